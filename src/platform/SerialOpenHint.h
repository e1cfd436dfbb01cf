#pragma once

#include <string>

namespace platform
{

// What a failed opening of a serial device node means and what the user can do about it, in one line;
// error is the OS error code of the failure.
std::string SerialOpenHint(int error, const std::string& devicePath);

} // namespace platform
