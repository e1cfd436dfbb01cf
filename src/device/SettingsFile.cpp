#include "device/SettingsFile.h"

#include "base/IniFile.h"
#include "device/SettingsTextLoader.h"

#include <exception>

std::string ReadSettingsText(const std::string& path)
{
    return IniFile(path).readString(kSettingsSection, kSettingsKey, "");
}

void WriteSettingsText(const std::string& path, const std::string& text)
{
    IniFile(path).writeString(kSettingsSection, kSettingsKey, text);
}

bool LoadSettingsFile(const std::string& path, SettingsSink& sink)
{
    try {
        return LoadSettingsText(ReadSettingsText(path), sink);
    } catch (const std::exception&) {
        // A settings file that cannot be taken over is left as far as it got, without a message.
        return false;
    }
}

NormalisedSettings SaveSettingsFile(const std::string& path, SettingsEncoder& encoder,
                                    DeviceSettings& settings)
{
    NormalisedSettings result = encoder.BuildSettingsData(settings);
    WriteSettingsText(path, encoder.settingsText());
    return result;
}
