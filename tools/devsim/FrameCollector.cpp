#include "FrameCollector.h"

#include "device/SettingsBlock.h"

#include <algorithm>
#include <cstdio>
#include <numeric>

namespace
{

std::string hexByte(unsigned value)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", value & 0xFFu);
    return text;
}

} // namespace

std::vector<FrameCollector::Event> FrameCollector::push(const std::uint8_t* bytes, std::size_t count,
                                                        Clock::time_point now)
{
    std::vector<Event> events = expire(now);
    m_pending.insert(m_pending.end(), bytes, bytes + count);
    m_last = now;

    for (;;) {
        // Resynchronise on the command byte so one stray byte does not spoil every later frame.
        const auto start = std::find(m_pending.begin(), m_pending.end(), kSettingsCommand);
        if (start != m_pending.begin()) {
            events.push_back({false,
                              false,
                              {},
                              "dropped " + std::to_string(start - m_pending.begin()) +
                                  " byte(s) that start no frame (no " + hexByte(kSettingsCommand) + ")"});
            m_pending.erase(m_pending.begin(), start);
        }
        if (m_pending.size() < std::tuple_size_v<Frame>)
            break;
        Event event;
        event.isFrame = true;
        std::copy_n(m_pending.begin(), event.frame.size(), event.frame.begin());
        m_pending.erase(m_pending.begin(), m_pending.begin() + event.frame.size());
        const unsigned sum = std::accumulate(event.frame.begin(), event.frame.end() - 1, 0u) & 0xFFu;
        event.accepted = sum == event.frame.back();
        if (!event.accepted)
            event.note =
                "bad checksum " + hexByte(event.frame.back()) + ", expected " + hexByte(sum) + ": no answer";
        events.push_back(event);
    }
    return events;
}

std::vector<FrameCollector::Event> FrameCollector::expire(Clock::time_point now)
{
    if (m_pending.empty() || now < deadline())
        return {};
    Event event;
    event.note = "incomplete frame of " + std::to_string(m_pending.size()) + " byte(s): no answer";
    m_pending.clear();
    return {event};
}
