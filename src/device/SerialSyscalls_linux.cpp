#include "device/SerialSyscalls.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

SerialSyscalls SerialSyscalls::System()
{
    SerialSyscalls calls;
    calls.openNode = [](const char* path, int flags) { return ::open(path, flags); };
    calls.closeNode = [](int fd) { return ::close(fd); };
    calls.ioctlCall = [](int fd, unsigned long request, void* arg) { return ::ioctl(fd, request, arg); };
    calls.flockCall = [](int fd, int operation) { return ::flock(fd, operation); };
    calls.getAttributes = [](int fd, termios* attributes) { return ::tcgetattr(fd, attributes); };
    calls.setAttributes = [](int fd, int action, const termios* attributes) {
        return ::tcsetattr(fd, action, attributes);
    };
    calls.flushQueues = [](int fd, int queue) { return ::tcflush(fd, queue); };
    calls.writeBytes = [](int fd, const void* bytes, size_t count) { return ::write(fd, bytes, count); };
    calls.readBytes = [](int fd, void* bytes, size_t count) { return ::read(fd, bytes, count); };
    return calls;
}
