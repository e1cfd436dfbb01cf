#pragma once

#include <optional>
#include <string>

// Reading sysfs attribute files, which may hold any bytes when a device (or a test tree) is odd.
namespace platform
{

// At most this many bytes of an attribute are read; real attributes are far shorter.
inline constexpr std::size_t kSysfsAttributeCap = 4096;

// The file's bytes up to the cap, without one trailing newline; nothing when it cannot be read.
std::optional<std::string> ReadSysfsAttribute(const std::string& path);

} // namespace platform
