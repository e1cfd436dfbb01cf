#include "base/Paths.h"
#include "platform/ComPortNames.h"
#include "platform/SpecialFolders.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace
{

std::string envOr(const char* name, const char* fallback)
{
    const char* value = std::getenv(name);
    return (value && *value) ? std::string(value) : std::string(fallback);
}

std::filesystem::path executableFolder()
{
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path(ec) : exe.parent_path();
}

} // namespace

namespace platform
{

std::string GetSpecialFolder()
{
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/')
        return xdg;
    if (const char* home = std::getenv("HOME"); home && *home)
        return AddTrailingBackslash(home) + ".config";
    return {};
}

std::string ProgramFolder()
{
    if (const char* chosen = std::getenv("TAVIMORO_PROGRAM_FOLDER"); chosen && *chosen)
        return chosen;
    const auto folder = executableFolder();
    std::error_code ec;
    if (std::filesystem::is_directory(folder / "Lang", ec))
        return folder.string();
    return (folder.parent_path() / "share" / "tavimoro-setup").string();
}

std::string SysfsRoot()
{
    return envOr("TAVIMORO_SYSFS_ROOT", "/sys");
}

std::string DevRoot()
{
    return envOr("TAVIMORO_DEV_ROOT", "/dev");
}

} // namespace platform

namespace comport
{

std::string devicePath(std::string_view name)
{
    const auto number = comNumber(name);
    const auto node = number ? nodeForComNumber(*number) : std::nullopt;
    return node ? AddTrailingBackslash(platform::DevRoot()) + *node : std::string();
}

} // namespace comport
