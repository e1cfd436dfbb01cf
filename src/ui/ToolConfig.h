#pragma once

#include <cstdint>
#include <string>

class IniFile;

// The tool's own state in section MISC of the configuration file: COM port, window style, language.
class ToolConfig
{
public:
    static constexpr const char* kSection = "MISC";
    static constexpr int kNoPort = -1;
    static constexpr std::uint8_t kDefaultLayout = 7;
    static constexpr const char* kDefaultLanguage = "German";
    static constexpr const char* kFileName = "Tavimoro_SetupTool.ini";

    std::int16_t currentPort = kNoPort;
    std::uint8_t layoutStyle = kDefaultLayout;
    std::string language = kDefaultLanguage;

    // <application-data folder>/Nelvo/SetupTool, with every missing level created; a failure to create is
    // not reported (the reads then give defaults).
    static std::string PrepareConfigFolder();
    static std::string ConfigFileIn(const std::string& configFolder);

    // Missing file, section or key, or a value that is no integer: the defaults above.
    static ToolConfig read(const IniFile& file);
    // CPort (-1 for automatic detection), Layout, Language, in this order.
    static void write(IniFile& file, bool autoDetect, std::int16_t currentPort, std::uint8_t layoutStyle,
                      const std::string& language);
};
