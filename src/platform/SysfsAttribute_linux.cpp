#include "platform/SysfsAttribute.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace platform
{

std::optional<std::string> ReadSysfsAttribute(const std::string& path)
{
    // O_NONBLOCK: a FIFO or device node planted in a tree must not hang the reader.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    std::string content(kSysfsAttributeCap, '\0');
    std::size_t used = 0;
    bool failed = false;
    while (used < content.size()) {
        const ssize_t n = ::read(fd, content.data() + used, content.size() - used);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            failed = true;
            break;
        }
        if (n == 0)
            break;
        used += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (failed)
        return std::nullopt;
    content.resize(used);
    if (!content.empty() && content.back() == '\n')
        content.pop_back();
    return content;
}

} // namespace platform
