#include "platform/UserIdentity.h"

#include "base/WideText.h"

#include <windows.h>

namespace platform
{

std::string UserLogonName()
{
    wchar_t name[256] = {};
    DWORD size = 256;
    if (!GetUserNameW(name, &size))
        return {};
    return widetext::toUtf8(name);
}

std::string ComputerName()
{
    wchar_t name[256] = {};
    DWORD size = 256;
    if (!GetComputerNameW(name, &size))
        return {};
    return widetext::toUtf8(name);
}

} // namespace platform
