#include "ui/ToolConfig.h"

#include "base/IniFile.h"
#include "base/Paths.h"
#include "platform/SpecialFolders.h"

#include <filesystem>
#include <system_error>

std::string ToolConfig::PrepareConfigFolder()
{
    std::string folder = platform::GetSpecialFolder();
    folder = AddTrailingBackslash(folder) + "Nelvo" + kPathSeparator + "SetupTool";
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::u8path(folder), ignored);
    return folder;
}

std::string ToolConfig::ConfigFileIn(const std::string& configFolder)
{
    return AddTrailingBackslash(configFolder) + kFileName;
}

ToolConfig ToolConfig::read(const IniFile& file)
{
    ToolConfig config;
    config.currentPort = static_cast<std::int16_t>(file.readInteger(kSection, "CPort", kNoPort));
    config.layoutStyle =
        static_cast<std::uint8_t>(file.readInteger(kSection, "Layout", kDefaultLayout) & 0xFF);
    config.language = file.readString(kSection, "Language", kDefaultLanguage);
    return config;
}

void ToolConfig::write(IniFile& file, bool autoDetect, std::int16_t currentPort, std::uint8_t layoutStyle,
                       const std::string& language)
{
    file.writeInteger(kSection, "CPort", autoDetect ? kNoPort : currentPort);
    file.writeInteger(kSection, "Layout", layoutStyle);
    file.writeString(kSection, "Language", language);
}
