#pragma once

#include "device/SerialSyscalls.h"

#include <memory>
#include <set>

// The real system calls, with one step made to fail on demand and a record of the descriptors the port
// opened and closed.
class SyscallProbe
{
public:
    enum class Step {
        None,
        Open,
        Lock,
        Exclusive,
        Flush,
        GetAttributes,
        LineSettings,
        Timeouts,
        Dtr,
        Rts,
        Write,
        Read,
        CountWaiting,
        Drain,
    };

    SyscallProbe(Step failing = Step::None, int error = 0);

    const SerialSyscalls& calls() const { return m_calls; }
    // Descriptors opened and not closed again.
    const std::set<int>& openDescriptors() const { return m_state->open; }

private:
    struct State {
        std::set<int> open;
        int setAttributeCalls = 0;
    };
    SerialSyscalls m_calls;
    std::shared_ptr<State> m_state = std::make_shared<State>();
};
