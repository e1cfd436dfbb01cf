#include "platform/SystemErrorText.h"

#include <cstring>

namespace platform
{

std::string SystemErrorText(unsigned long code)
{
    return std::strerror(static_cast<int>(code));
}

} // namespace platform
