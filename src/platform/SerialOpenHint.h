#pragma once

#include "device/SerialOpenAdvice.h"

#include <string>

namespace platform
{

// What a failed opening of a serial device node means and what the user can do about it, in one line, in
// the active language (MessageTexts::language()); error is the OS error code of the failure.
// Looks at the node, the user's groups, the programs holding the node and the plugged-in USB bridges, so
// call it only once an opening has failed.
std::string SerialOpenHint(int error, const std::string& devicePath);

// The facts behind the hint.
SerialOpenFacts ExamineSerialOpenFailure(int error, const std::string& devicePath);

} // namespace platform
