#pragma once

#include "device/SettingsBlock.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

// Cuts the bytes the tool sends into 30-byte settings frames and judges each one.
class FrameCollector
{
public:
    using Clock = std::chrono::steady_clock;
    using Frame = TransferFrame;

    struct Event {
        bool isFrame = false;  // false: bytes dropped, see note
        bool accepted = false; // a frame with the settings command and a correct checksum
        Frame frame{};
        std::string note; // why bytes were dropped or a frame refused
    };

    // Bytes that stop arriving before a frame is complete are dropped after this gap.
    static constexpr std::chrono::milliseconds kGap{300};

    std::vector<Event> push(const std::uint8_t* bytes, std::size_t count, Clock::time_point now);
    // Drops an incomplete frame once the line has been quiet for kGap.
    std::vector<Event> expire(Clock::time_point now);
    // When expire has something to do, if bytes are pending.
    bool hasPending() const { return !m_pending.empty(); }
    Clock::time_point deadline() const { return m_last + kGap; }

private:
    std::vector<std::uint8_t> m_pending;
    Clock::time_point m_last{};
};
