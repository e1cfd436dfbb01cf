#include "device/ComPortError.h"

std::string ComPortErrorText(ComPortErrorCode code)
{
    switch (code) {
    case ComPortErrorCode::Open:
        return "Unable to open com port";
    case ComPortErrorCode::Write:
        return "WriteFile function failed";
    case ComPortErrorCode::Read:
        return "ReadFile function failed";
    case ComPortErrorCode::Purge:
        return "PurgeComm function failed";
    case ComPortErrorCode::LineSettings:
        return "SetCommState function failed";
    case ComPortErrorCode::Timeouts:
        return "SetCommTimeouts failed";
    case ComPortErrorCode::Buffers:
        return "SetupComm function failed";
    case ComPortErrorCode::CountWaiting:
        return "ClearCommError function failed";
    }
    return "Unknown error";
}

std::string ComPortErrorMessage(ComPortErrorCode code, const std::string& portName, const std::string& detail)
{
    std::string message = "COM Port Error: " + ComPortErrorText(code) + " on " + portName;
    if (!detail.empty())
        message += "\n" + detail;
    return message;
}
