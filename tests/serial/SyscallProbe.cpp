#include "SyscallProbe.h"

#include <cerrno>
#include <sys/ioctl.h>

SyscallProbe::SyscallProbe(Step failing, int error) : m_calls(SerialSyscalls::System())
{
    const SerialSyscalls real = SerialSyscalls::System();
    auto state = m_state;
    auto fails = [failing, error](Step step) {
        if (failing != step)
            return false;
        errno = error;
        return true;
    };

    m_calls.openNode = [=](const char* path, int flags) {
        if (fails(Step::Open))
            return -1;
        const int fd = real.openNode(path, flags);
        if (fd >= 0)
            state->open.insert(fd);
        return fd;
    };
    m_calls.closeNode = [=](int fd) {
        state->open.erase(fd);
        return real.closeNode(fd);
    };
    m_calls.flockCall = [=](int fd, int operation) {
        return fails(Step::Lock) ? -1 : real.flockCall(fd, operation);
    };
    m_calls.ioctlCall = [=](int fd, unsigned long request, void* arg) {
        if ((request == TIOCEXCL && fails(Step::Exclusive)) || (request == TIOCMBIS && fails(Step::Dtr)) ||
            (request == TIOCMBIC && fails(Step::Rts)) || (request == FIONREAD && fails(Step::CountWaiting)))
            return -1;
        if (request == TIOCOUTQ && failing == Step::Drain) {
            // Bytes that never leave the output queue.
            *static_cast<int*>(arg) = 5;
            return 0;
        }
        return real.ioctlCall(fd, request, arg);
    };
    m_calls.flushQueues = [=](int fd, int queue) {
        return fails(Step::Flush) ? -1 : real.flushQueues(fd, queue);
    };
    m_calls.getAttributes = [=](int fd, termios* attributes) {
        return fails(Step::GetAttributes) ? -1 : real.getAttributes(fd, attributes);
    };
    m_calls.setAttributes = [=](int fd, int action, const termios* attributes) {
        // The line settings are applied first, the timeouts second.
        const Step step = ++state->setAttributeCalls == 1 ? Step::LineSettings : Step::Timeouts;
        return fails(step) ? -1 : real.setAttributes(fd, action, attributes);
    };
    m_calls.writeBytes = [=](int fd, const void* bytes, size_t count) -> ssize_t {
        return fails(Step::Write) ? -1 : real.writeBytes(fd, bytes, count);
    };
    m_calls.readBytes = [=](int fd, void* bytes, size_t count) -> ssize_t {
        return fails(Step::Read) ? -1 : real.readBytes(fd, bytes, count);
    };
}
