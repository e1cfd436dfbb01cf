#include "platform/SerialOpenHint.h"

#include "i18n/MessageTexts.h"
#include "platform/SystemErrorText.h"

#include <windows.h>

namespace platform
{

SerialOpenFacts ExamineSerialOpenFailure(int error, const std::string& devicePath)
{
    SerialOpenFacts facts;
    facts.devicePath = devicePath;
    switch (static_cast<DWORD>(error)) {
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_BUSY:
        // A COM port opens exclusively: access is refused while any other program holds it, and Windows
        // does not say which one.
        facts.cause = SerialOpenFacts::Cause::Busy;
        break;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_DEV_NOT_EXIST:
    case ERROR_BAD_UNIT:
        facts.cause = SerialOpenFacts::Cause::Missing;
        break;
    default:
        facts.cause = SerialOpenFacts::Cause::Other;
        facts.errorText = SystemErrorText(static_cast<DWORD>(error));
        break;
    }
    return facts;
}

std::string SerialOpenHint(int error, const std::string& devicePath)
{
    return SerialOpenAdvice(ExamineSerialOpenFailure(error, devicePath), MessageTexts::language());
}

} // namespace platform
