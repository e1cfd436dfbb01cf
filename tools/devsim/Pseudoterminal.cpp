#include "Pseudoterminal.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

namespace
{

[[noreturn]] void fail(const std::string& what)
{
    throw std::runtime_error(what + ": " + std::strerror(errno));
}

} // namespace

Pseudoterminal::Pseudoterminal()
{
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_master < 0)
        fail("cannot open a pseudo-terminal");
    char name[128] = {};
    if (::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0 ||
        ::ptsname_r(m_master, name, sizeof name) != 0) {
        const int error = errno;
        ::close(m_master);
        errno = error;
        fail("cannot prepare the pseudo-terminal");
    }
    m_slavePath = name;
    m_slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_slave < 0) {
        const int error = errno;
        ::close(m_master);
        errno = error;
        fail("cannot open " + m_slavePath);
    }
    termios raw{};
    ::tcgetattr(m_slave, &raw);
    cfmakeraw(&raw);
    cfsetspeed(&raw, B600);
    ::tcsetattr(m_slave, TCSANOW, &raw);
}

Pseudoterminal::~Pseudoterminal()
{
    ::close(m_slave);
    ::close(m_master);
}
