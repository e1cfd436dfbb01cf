#pragma once

#include <cstdint>

// How the window answers the system's device-change message (WM_DEVICECHANGE). Every such message is
// answered with TRUE and not passed on; an arrival (0x8000) and a complete removal (0x8004) also start a
// refill of the port list and a detection.
namespace devicechange
{

inline constexpr unsigned kDeviceChangeMessage = 0x0219;
inline constexpr int kDeviceArrival = 0x8000;
inline constexpr int kDeviceRemoveComplete = 0x8004;

struct Answer {
    bool handled = false;     // the message stops here with result
    std::intptr_t result = 0; // TRUE (1) for every device-change message
    int eventCode = 0;        // kDeviceArrival or kDeviceRemoveComplete when the window reacts, else 0
};

Answer AnswerWindowMessage(unsigned message, std::uintptr_t wParam);

} // namespace devicechange
