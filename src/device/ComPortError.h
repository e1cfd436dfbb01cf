#pragma once

#include <string>

// The error codes of the serial port's operations; their texts name the step that failed.
enum class ComPortErrorCode {
    Open = 1,
    Write = 2,
    Read = 3,
    Purge = 5,
    LineSettings = 7,
    Timeouts = 8,
    Buffers = 9,
    CountWaiting = 10,
};

// "Unable to open com port" for Open, ...
std::string ComPortErrorText(ComPortErrorCode code);

// "COM Port Error: <text> on <port>", followed by detail on a second line when there is one.
std::string ComPortErrorMessage(ComPortErrorCode code, const std::string& portName,
                                const std::string& detail = {});
