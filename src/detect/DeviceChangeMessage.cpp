#include "detect/DeviceChangeMessage.h"

namespace devicechange
{

Answer AnswerWindowMessage(unsigned message, std::uintptr_t wParam)
{
    if (message != kDeviceChangeMessage)
        return {};
    Answer answer{true, 1, 0};
    // The device type and details are not looked at: any device coming or going triggers a detection.
    if (wParam == kDeviceArrival || wParam == kDeviceRemoveComplete)
        answer.eventCode = static_cast<int>(wParam);
    return answer;
}

} // namespace devicechange
