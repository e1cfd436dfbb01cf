#pragma once

#include "device/SettingsEncoder.h"
#include "device/SettingsSink.h"

#include <string>

// Settings texts live in INI files (settings files and the configuration file) as [DEVICE] Settings_ORDAK.
inline constexpr char kSettingsSection[] = "DEVICE";
inline constexpr char kSettingsKey[] = "Settings_ORDAK";

// The stored text; empty when the file, the section or the key is missing. Creates nothing.
std::string ReadSettingsText(const std::string& path);

// Writes the text into the file, keeping everything else in it; creates the file when it is missing.
// Raises TavimoroError "In <path> kann nicht geschrieben werden" when the file cannot be written.
void WriteSettingsText(const std::string& path, const std::string& text);

// Loads the stored text into sink; true when it was loaded to its end. No text changes nothing. An error
// raised while loading ends the load silently; the values handed over before it stay.
bool LoadSettingsFile(const std::string& path, SettingsSink& sink);

// Builds the settings (normalising settings, whose corrections are returned) and stores their text.
// Raises TavimoroError when the file cannot be written.
NormalisedSettings SaveSettingsFile(const std::string& path, SettingsEncoder& encoder,
                                    DeviceSettings& settings);
