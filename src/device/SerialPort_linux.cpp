#include "device/SerialPort.h"

#include "base/Error.h"
#include "device/ComPortError.h"
#include "device/SerialSyscalls.h"
#include "platform/ComPortNames.h"
#include "platform/SerialOpenHint.h"

#include <QLoggingCategory>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>

namespace
{

Q_LOGGING_CATEGORY(lcSerial, "tavimoro.serial", QtWarningMsg)

constexpr int kWriteTimeoutPerByteMs = 100;
constexpr int kWriteTimeoutExtraMs = 1000;
constexpr int kDrainPollMs = 5;

std::string reason(int error)
{
    return std::string("Reason: ") + std::strerror(error) + ".";
}

// Pseudo-terminals have no modem lines; only there may setting them fail.
bool isMissingModemLines(int error)
{
    return error == ENOTTY || error == EINVAL;
}

} // namespace

class SerialPort::Private
{
public:
    Private(SerialPort* owner, SerialSyscalls calls) : q(owner), sys(std::move(calls)) {}

    [[noreturn]] void fail(ComPortErrorCode code, const std::string& detail)
    {
        const std::string message = ComPortErrorMessage(code, q->m_portName.toStdString(), detail);
        closeNow();
        throw TavimoroError(message);
    }

    [[noreturn]] void failOpening(int error, const std::string& path)
    {
        qCDebug(lcSerial).noquote() << "CreateFile" << QString::fromStdString(path);
        fail(ComPortErrorCode::Open, platform::SerialOpenHint(error, path));
    }

    void openNode(const std::string& path)
    {
        if (path.empty())
            fail(ComPortErrorCode::Open, "No device belongs to the port name.");
        fd = sys.openNode(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            failOpening(errno, path);
        // flock first: it also holds against root, and on failure we leave the holder's TIOCEXCL alone.
        if (sys.flockCall(fd, LOCK_EX | LOCK_NB) != 0)
            failOpening(errno == EWOULDBLOCK ? EBUSY : errno, path);
        if (sys.ioctlCall(fd, TIOCEXCL, nullptr) != 0)
            failOpening(errno, path);
        exclusive = true;
    }

    void applyLineSettings()
    {
        termios attributes{};
        if (sys.getAttributes(fd, &attributes) != 0) {
            const int error = errno;
            fail(ComPortErrorCode::LineSettings,
                 error == ENOTTY ? "The device is not a serial port." : reason(error));
        }
        cfmakeraw(&attributes);
        attributes.c_cflag &= ~(CSIZE | PARENB | CSTOPB | CRTSCTS);
        attributes.c_cflag |= CS8 | CLOCAL | CREAD;
        attributes.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK | ISTRIP | PARMRK);
        attributes.c_iflag |= IGNPAR;
        cfsetispeed(&attributes, B600);
        cfsetospeed(&attributes, B600);
        if (sys.setAttributes(fd, TCSANOW, &attributes) != 0)
            fail(ComPortErrorCode::LineSettings, reason(errno));
        // tcsetattr succeeds when any part applied; the speed must have.
        termios applied{};
        if (sys.getAttributes(fd, &applied) != 0)
            fail(ComPortErrorCode::LineSettings, reason(errno));
        if (cfgetospeed(&applied) != B600)
            fail(ComPortErrorCode::LineSettings, "The port does not support 600 baud.");
        setModemLine(TIOCMBIS, TIOCM_DTR);
        setModemLine(TIOCMBIC, TIOCM_RTS);
    }

    void setModemLine(unsigned long request, int line)
    {
        int bits = line;
        if (sys.ioctlCall(fd, request, &bits) == 0)
            return;
        const int error = errno;
        if (!isMissingModemLines(error))
            fail(ComPortErrorCode::LineSettings, reason(error));
        qCDebug(lcSerial) << "no modem lines on" << q->m_portName << "(pseudo-terminal)";
    }

    void applyTimeouts()
    {
        // Reads return at once with what is waiting; the node is non-blocking as well.
        termios attributes{};
        if (sys.getAttributes(fd, &attributes) != 0)
            fail(ComPortErrorCode::Timeouts, reason(errno));
        attributes.c_cc[VMIN] = 0;
        attributes.c_cc[VTIME] = 0;
        if (sys.setAttributes(fd, TCSANOW, &attributes) != 0)
            fail(ComPortErrorCode::Timeouts, reason(errno));
    }

    void startReceiveNotification()
    {
        rxNotifier = new QSocketNotifier(fd, QSocketNotifier::Read, q);
        QObject::connect(rxNotifier, &QSocketNotifier::activated, q, [this] { onReadable(); });
    }

    void onReadable()
    {
        int waiting = 0;
        if (sys.ioctlCall(fd, FIONREAD, &waiting) != 0) {
            qCWarning(lcSerial) << "counting received bytes failed on" << q->m_portName
                                << std::strerror(errno);
            stopNotifier(rxNotifier);
            return;
        }
        if (waiting > 0) {
            emit q->OnRxChar(waiting);
            return;
        }
        // Readable with nothing waiting: the other end hung up. Stop instead of waking up forever.
        pollfd probe{fd, POLLIN, 0};
        if (::poll(&probe, 1, 0) > 0 && (probe.revents & (POLLHUP | POLLERR | POLLNVAL))) {
            qCDebug(lcSerial) << "line hung up on" << q->m_portName;
            stopNotifier(rxNotifier);
        }
    }

    void stopNotifier(QSocketNotifier*& notifier)
    {
        if (!notifier)
            return;
        // May run inside the notifier's own signal.
        notifier->setEnabled(false);
        notifier->deleteLater();
        notifier = nullptr;
    }

    void pumpWrite()
    {
        while (writing && written < pending.size()) {
            const ssize_t n =
                sys.writeBytes(fd, pending.constData() + written, size_t(pending.size() - written));
            if (n > 0) {
                written += n;
                continue;
            }
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0 && errno == EAGAIN) {
                if (!txNotifier) {
                    txNotifier = new QSocketNotifier(fd, QSocketNotifier::Write, q);
                    QObject::connect(txNotifier, &QSocketNotifier::activated, q, [this] { pumpWrite(); });
                }
                txNotifier->setEnabled(true);
                return;
            }
            failWrite(n < 0 ? reason(errno) : std::string("The driver accepted no bytes."));
            return;
        }
        if (!writing)
            return;
        if (txNotifier)
            txNotifier->setEnabled(false);
        checkDrained();
    }

    // The write is complete once the driver has sent every byte, not when it took them.
    void checkDrained()
    {
        int queued = 0;
        if (sys.ioctlCall(fd, TIOCOUTQ, &queued) != 0 || queued <= 0) {
            finishWrite();
            return;
        }
        drainPoll.start(kDrainPollMs);
    }

    void finishWrite()
    {
        stopWriteWatch();
        emit q->writeCompleted();
    }

    void failWrite(const std::string& detail)
    {
        stopWriteWatch();
        sys.flushQueues(fd, TCOFLUSH);
        emit q->writeFailed(QString::fromStdString(
            ComPortErrorMessage(ComPortErrorCode::Write, q->m_portName.toStdString(), detail)));
    }

    void stopWriteWatch()
    {
        writing = false;
        pending.clear();
        written = 0;
        writeDeadline.stop();
        drainPoll.stop();
        stopNotifier(txNotifier);
    }

    void closeNow() noexcept
    {
        stopWriteWatch();
        stopNotifier(rxNotifier);
        if (fd < 0)
            return;
        // A refused opening leaves the holder's queues and exclusive mark alone.
        if (exclusive) {
            if (sys.flushQueues(fd, TCIOFLUSH) != 0)
                qCDebug(lcSerial).noquote() << QString::fromStdString(
                    ComPortErrorMessage(ComPortErrorCode::Purge, q->m_portName.toStdString(), reason(errno)));
            // The exclusive mark outlives our descriptor while anyone else holds the tty open.
            sys.ioctlCall(fd, TIOCNXCL, nullptr);
        }
        exclusive = false;
        sys.closeNode(fd);
        fd = -1;
    }

    SerialPort* q;
    SerialSyscalls sys;
    int fd = -1;
    bool exclusive = false;
    QSocketNotifier* rxNotifier = nullptr;
    QSocketNotifier* txNotifier = nullptr;
    bool writing = false;
    QByteArray pending;
    qsizetype written = 0;
    QTimer writeDeadline;
    QTimer drainPoll;
};

SerialPort::SerialPort(QObject* parent) : SerialPort(SerialSyscalls::System(), parent) {}

SerialPort::SerialPort(const SerialSyscalls& syscalls, QObject* parent)
    : QObject(parent), d(std::make_unique<Private>(this, syscalls))
{
    d->writeDeadline.setSingleShot(true);
    connect(&d->writeDeadline, &QTimer::timeout, this, [this] {
        d->failWrite("The write did not complete within " + std::to_string(d->writeDeadline.interval()) +
                     " ms.");
    });
    d->drainPoll.setSingleShot(true);
    connect(&d->drainPoll, &QTimer::timeout, this, [this] { d->checkDrained(); });
}

SerialPort::~SerialPort()
{
    close();
}

void SerialPort::open()
{
    close();
    d->openNode(devicePath().toStdString());
    // Stale bytes from before this opening must not pass for an answer.
    if (d->sys.flushQueues(d->fd, TCIOFLUSH) != 0)
        d->fail(ComPortErrorCode::Buffers, reason(errno));
    d->applyLineSettings();
    d->applyTimeouts();
    d->startReceiveNotification();
}

void SerialPort::close() noexcept
{
    d->closeNow();
}

bool SerialPort::isOpen() const
{
    return d->fd >= 0;
}

void SerialPort::write(const QByteArray& bytes)
{
    if (!isOpen() || d->writing) {
        const std::string detail = isOpen() ? "A write is still in progress." : "The port is not open.";
        const QString message = QString::fromStdString(
            ComPortErrorMessage(ComPortErrorCode::Write, m_portName.toStdString(), detail));
        QTimer::singleShot(0, this, [this, message] { emit writeFailed(message); });
        return;
    }
    d->writing = true;
    d->pending = bytes;
    d->written = 0;
    d->writeDeadline.start(kWriteTimeoutPerByteMs * int(bytes.size()) + kWriteTimeoutExtraMs);
    QTimer::singleShot(0, this, [this] { d->pumpWrite(); });
}

int SerialPort::bytesWaiting()
{
    int waiting = 0;
    if (!isOpen() || d->sys.ioctlCall(d->fd, FIONREAD, &waiting) != 0)
        throw TavimoroError(ComPortErrorMessage(ComPortErrorCode::CountWaiting, m_portName.toStdString(),
                                                isOpen() ? reason(errno) : "The port is not open."));
    return waiting;
}

int SerialPort::read(char* buffer, int count)
{
    if (!isOpen())
        throw TavimoroError(
            ComPortErrorMessage(ComPortErrorCode::Read, m_portName.toStdString(), "The port is not open."));
    for (;;) {
        const ssize_t n = d->sys.readBytes(d->fd, buffer, size_t(count > 0 ? count : 0));
        if (n >= 0)
            return int(n);
        if (errno == EINTR)
            continue;
        if (errno == EAGAIN)
            return 0;
        const int error = errno;
        // A failed read ends the receive notifications of this opening.
        d->stopNotifier(d->rxNotifier);
        throw TavimoroError(
            ComPortErrorMessage(ComPortErrorCode::Read, m_portName.toStdString(), reason(error)));
    }
}
