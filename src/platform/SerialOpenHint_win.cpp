#include "platform/SerialOpenHint.h"

#include "platform/SystemErrorText.h"

#include <windows.h>

namespace platform
{

std::string SerialOpenHint(int error, const std::string& devicePath)
{
    switch (static_cast<DWORD>(error)) {
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_BUSY:
        // A COM port opens exclusively: access is refused while any other program holds it.
        return "Another program is using " + devicePath + ". Close that program and try again.";
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_DEV_NOT_EXIST:
    case ERROR_BAD_UNIT:
        return "The device " + devicePath +
               " is not there: the interface is unplugged, or its driver is not installed.";
    default:
        return devicePath + ": " + SystemErrorText(static_cast<DWORD>(error)) + ".";
    }
}

} // namespace platform
