#pragma once

#include "FrameCollector.h"
#include "Options.h"

#include <cstdint>
#include <ostream>
#include <vector>

// Answers the frames that arrive on a pseudo-terminal's master side the way the device does.
class Simulator
{
public:
    Simulator(int master, ReplyMode mode, std::ostream& log);

    // Serves until stopFd becomes readable (a signal arrived). Returns the exit status.
    int run(int stopFd);

private:
    using Clock = FrameCollector::Clock;
    struct Scheduled {
        Clock::time_point due;
        std::vector<std::uint8_t> bytes;
    };

    void readMaster(Clock::time_point now);
    void handle(const std::vector<FrameCollector::Event>& events, Clock::time_point now);
    void answer(Clock::time_point now);
    void sendDue(Clock::time_point now);
    int pollTimeout(Clock::time_point now) const;

    int m_master;
    ReplyMode m_mode;
    std::ostream& m_log;
    FrameCollector m_collector;
    std::vector<Scheduled> m_scheduled;
    int m_frames = 0;
    // After a hang-up the master reads EIO at once; it is not polled again before this.
    Clock::time_point m_quietUntil{};
};
