#include "platform/SystemInfo.h"

#include <windows.h>

namespace platform
{

bool IsNtPlatform()
{
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    return GetVersionExW(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

} // namespace platform
