#include "platform/UserRegistry.h"

#include "base/IniFile.h"
#include "base/NativePath.h"

#include <filesystem>
#include <system_error>

namespace platform
{

std::optional<std::string> ReadUserRegistryText(const std::string& standIn, const std::string& keyPath,
                                                const std::string& name)
{
    const IniFile hive(standIn);
    if (!hive.valueExists(keyPath, name))
        return std::nullopt;
    return hive.readString(keyPath, name, "");
}

void WriteUserRegistryText(const std::string& standIn, const std::string& keyPath, const std::string& name,
                           const std::string& text)
{
    // Like a registry key, the stand-in is created on first use, folder included.
    std::error_code ec;
    const auto folder = NativePath(standIn).parent_path();
    if (!folder.empty())
        std::filesystem::create_directories(folder, ec);
    IniFile(standIn).writeString(keyPath, name, text);
}

} // namespace platform
