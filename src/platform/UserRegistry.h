#pragma once

#include <optional>
#include <string>

// Text values of keys below the current user's registry hive (HKEY_CURRENT_USER). Where the system has no
// registry, the INI file standIn plays the hive: each key path is one section of it.
namespace platform
{

// The text of the value, or nothing when the key or the value is missing.
std::optional<std::string> ReadUserRegistryText(const std::string& standIn, const std::string& keyPath,
                                                const std::string& name);

// Creates the key when it is missing and sets the value as text. Raises TavimoroError
// "In <key or file> kann nicht geschrieben werden" when the key cannot be created or the value set.
void WriteUserRegistryText(const std::string& standIn, const std::string& keyPath, const std::string& name,
                           const std::string& text);

} // namespace platform
