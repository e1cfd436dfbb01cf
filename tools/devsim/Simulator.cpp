#include "Simulator.h"

#include "device/SettingsBlockDecoder.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <unistd.h>

namespace
{

using namespace std::chrono_literals;

constexpr auto kLateReply = 1500ms;
constexpr auto kSecondReply = 50ms;
constexpr auto kHangUpPause = 100ms;

std::string hex(const std::uint8_t* bytes, std::size_t count)
{
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        char digits[4];
        std::snprintf(digits, sizeof digits, "%02X ", bytes[i]);
        text += digits;
    }
    if (!text.empty())
        text.pop_back();
    return text;
}

// The settings a frame carries in one line, with what the tool should never have sent.
std::string describe(const FrameCollector::Frame& frame)
{
    SettingsBlock block{};
    std::copy_n(frame.begin() + 1, block.size(), block.begin());
    const DecodedSettingsBlock decoded = DecodeSettingsBlock(block);
    std::string text = decoded.description;
    for (const auto& fault : decoded.faults)
        text += "; fault: " + fault;
    return text;
}

} // namespace

Simulator::Simulator(int master, ReplyMode mode, std::ostream& log)
    : m_master(master), m_mode(mode), m_log(log)
{
}

int Simulator::run(int stopFd)
{
    for (;;) {
        const auto now = Clock::now();
        pollfd fds[2] = {{stopFd, POLLIN, 0}, {now >= m_quietUntil ? m_master : -1, POLLIN, 0}};
        const int ready = ::poll(fds, 2, pollTimeout(now));
        if (ready < 0 && errno != EINTR) {
            m_log << "poll failed: " << std::strerror(errno) << std::endl;
            return 1;
        }
        if (ready > 0 && (fds[0].revents & POLLIN))
            return 0;
        const auto later = Clock::now();
        if (ready > 0 && fds[1].revents)
            readMaster(later);
        handle(m_collector.expire(later), later);
        sendDue(later);
    }
}

void Simulator::readMaster(Clock::time_point now)
{
    std::uint8_t buffer[256];
    const ssize_t n = ::read(m_master, buffer, sizeof buffer);
    if (n > 0) {
        handle(m_collector.push(buffer, std::size_t(n), now), now);
        return;
    }
    if (n < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    // No one holds the slave side: wait instead of reading the hang-up in a loop.
    m_quietUntil = now + kHangUpPause;
}

void Simulator::handle(const std::vector<FrameCollector::Event>& events, Clock::time_point now)
{
    for (const auto& event : events) {
        if (!event.isFrame) {
            m_log << event.note << std::endl;
            continue;
        }
        ++m_frames;
        m_log << "frame " << m_frames << ": " << describe(event.frame) << std::endl;
        if (!event.accepted) {
            m_log << "frame " << m_frames << ": " << hex(event.frame.data(), event.frame.size()) << std::endl;
            m_log << "frame " << m_frames << ": " << event.note << std::endl;
            continue;
        }
        answer(now);
    }
}

void Simulator::answer(Clock::time_point now)
{
    const std::vector<std::uint8_t> ack{kSettingsAcknowledge};
    switch (m_mode) {
    case ReplyMode::Ack:
        m_scheduled.push_back({now, ack});
        break;
    case ReplyMode::Silent:
        m_log << "frame " << m_frames << ": silent, no answer" << std::endl;
        break;
    case ReplyMode::Late:
        m_scheduled.push_back({now + kLateReply, ack});
        break;
    case ReplyMode::Wrong:
        m_scheduled.push_back({now, {0x00, kSettingsAcknowledge}});
        break;
    case ReplyMode::Twice:
        m_scheduled.push_back({now, ack});
        m_scheduled.push_back({now + kSecondReply, ack});
        break;
    }
    sendDue(now);
}

void Simulator::sendDue(Clock::time_point now)
{
    std::stable_sort(m_scheduled.begin(), m_scheduled.end(),
                     [](const Scheduled& a, const Scheduled& b) { return a.due < b.due; });
    while (!m_scheduled.empty() && m_scheduled.front().due <= now) {
        const auto bytes = m_scheduled.front().bytes;
        m_scheduled.erase(m_scheduled.begin());
        if (::write(m_master, bytes.data(), bytes.size()) != ssize_t(bytes.size())) {
            m_log << "answer not sent: " << std::strerror(errno) << std::endl;
            continue;
        }
        m_log << "answered " << hex(bytes.data(), bytes.size()) << std::endl;
    }
}

int Simulator::pollTimeout(Clock::time_point now) const
{
    auto until = Clock::time_point::max();
    if (!m_scheduled.empty())
        until = std::min_element(m_scheduled.begin(), m_scheduled.end(), [](const auto& a, const auto& b) {
                    return a.due < b.due;
                })->due;
    if (m_collector.hasPending())
        until = std::min(until, m_collector.deadline());
    if (now < m_quietUntil)
        until = std::min(until, m_quietUntil);
    if (until == Clock::time_point::max())
        return -1;
    if (until <= now)
        return 0;
    return int(std::chrono::duration_cast<std::chrono::milliseconds>(until - now).count()) + 1;
}
