#pragma once

#include <functional>
#include <sys/types.h>
#include <termios.h>

// The POSIX calls the serial port makes, replaceable so tests can make any of them fail on demand.
// Each one returns what the system call returns and leaves its error in errno.
struct SerialSyscalls {
    std::function<int(const char* path, int flags)> openNode;
    std::function<int(int fd)> closeNode;
    std::function<int(int fd, unsigned long request, void* arg)> ioctlCall;
    std::function<int(int fd, int operation)> flockCall;
    std::function<int(int fd, termios* attributes)> getAttributes;
    std::function<int(int fd, int action, const termios* attributes)> setAttributes;
    std::function<int(int fd, int queue)> flushQueues;
    std::function<ssize_t(int fd, const void* bytes, size_t count)> writeBytes;
    std::function<ssize_t(int fd, void* bytes, size_t count)> readBytes;

    // The real system calls.
    static SerialSyscalls System();
};
