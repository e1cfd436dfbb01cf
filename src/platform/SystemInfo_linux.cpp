#include "platform/SystemInfo.h"

namespace platform
{

bool IsNtPlatform()
{
    return true;
}

} // namespace platform
