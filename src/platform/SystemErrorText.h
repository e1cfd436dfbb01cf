#pragma once

#include <string>

namespace platform
{

// The system's own text for an OS error code (errno on Linux, GetLastError() on Windows), in one line
// without a trailing period or line break.
std::string SystemErrorText(unsigned long code);

} // namespace platform
