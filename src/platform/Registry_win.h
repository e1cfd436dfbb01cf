#pragma once

#include <optional>
#include <string>

// Read access to the registry for the Windows facilities; paths and texts are UTF-8.
namespace platform::registry
{

enum class Hive { LocalMachine, CurrentUser };

// The text (REG_SZ or REG_EXPAND_SZ) of the value name in the key, opened read-only; nothing when the key
// or the value is missing. A value of another type raises TavimoroError "Invalid data type for '<name>'".
std::optional<std::string> ReadText(Hive hive, const std::string& keyPath, const std::string& name);

} // namespace platform::registry
