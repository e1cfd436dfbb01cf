#include "device/SerialPort.h"

#include "base/Error.h"
#include "device/ComPortError.h"
#include "platform/ComPortNames.h"
#include "platform/SerialOpenHint.h"
#include "platform/SystemErrorText.h"

#include <QLoggingCategory>
#include <QTimer>
#include <QWinEventNotifier>

#include <windows.h>

namespace
{

Q_LOGGING_CATEGORY(lcSerial, "tavimoro.serial", QtWarningMsg)

constexpr int kWriteTimeoutPerByteMs = 100;
constexpr int kWriteTimeoutExtraMs = 1000;

std::string reason(DWORD error)
{
    return "Reason: " + platform::SystemErrorText(error) + ".";
}

std::wstring wide(const std::string& text)
{
    return std::wstring(text.begin(), text.end()); // device paths are ASCII: \\.\COMn
}

// One overlapped operation with an event that the event loop watches.
struct Overlapped {
    OVERLAPPED io{};
    QWinEventNotifier* notifier = nullptr;
    bool pending = false;

    bool create(QObject* parent)
    {
        io.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        if (!io.hEvent)
            return false;
        notifier = new QWinEventNotifier(io.hEvent, parent);
        return true;
    }

    // The operation was cancelled before; this waits for it to end so its buffers may go.
    void release(HANDLE port)
    {
        if (pending) {
            DWORD ignored = 0;
            GetOverlappedResult(port, &io, &ignored, TRUE);
            pending = false;
        }
        if (notifier) {
            notifier->setEnabled(false);
            notifier->deleteLater();
            notifier = nullptr;
        }
        if (io.hEvent)
            CloseHandle(io.hEvent);
        io = OVERLAPPED{};
    }
};

} // namespace

class SerialPort::Private
{
public:
    explicit Private(SerialPort* owner) : q(owner) {}

    [[noreturn]] void fail(ComPortErrorCode code, const std::string& detail)
    {
        const std::string message = ComPortErrorMessage(code, q->m_portName.toStdString(), detail);
        closeNow();
        throw TavimoroError(message);
    }

    void openDevice(const std::string& path)
    {
        if (path.empty())
            fail(ComPortErrorCode::Open, "No device belongs to the port name.");
        // No sharing: the port belongs to this program alone while it is open.
        port = CreateFileW(wide(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                           FILE_FLAG_OVERLAPPED, nullptr);
        if (port == INVALID_HANDLE_VALUE) {
            const DWORD error = GetLastError();
            qCDebug(lcSerial).noquote() << "CreateFile" << QString::fromStdString(path) << error;
            fail(ComPortErrorCode::Open, platform::SerialOpenHint(static_cast<int>(error), path));
        }
    }

    void applyLineSettings()
    {
        DCB dcb{};
        dcb.DCBlength = sizeof dcb;
        if (!GetCommState(port, &dcb))
            fail(ComPortErrorCode::LineSettings, reason(GetLastError()));
        dcb.BaudRate = 600;
        dcb.ByteSize = 8;
        dcb.Parity = NOPARITY;
        dcb.StopBits = ONESTOPBIT;
        dcb.fBinary = TRUE;
        dcb.fParity = FALSE;
        dcb.fOutxCtsFlow = FALSE;
        dcb.fOutxDsrFlow = FALSE;
        dcb.fDtrControl = DTR_CONTROL_ENABLE;
        dcb.fRtsControl = RTS_CONTROL_DISABLE;
        dcb.fDsrSensitivity = FALSE;
        dcb.fOutX = FALSE;
        dcb.fInX = FALSE;
        dcb.fErrorChar = FALSE;
        dcb.fNull = FALSE;
        dcb.fAbortOnError = FALSE;
        if (!SetCommState(port, &dcb))
            fail(ComPortErrorCode::LineSettings, reason(GetLastError()));
    }

    void applyTimeouts()
    {
        // Reads return at once with what is waiting; a write may take 100 ms per byte plus one second.
        COMMTIMEOUTS timeouts{};
        timeouts.ReadIntervalTimeout = MAXDWORD;
        timeouts.WriteTotalTimeoutMultiplier = kWriteTimeoutPerByteMs;
        timeouts.WriteTotalTimeoutConstant = kWriteTimeoutExtraMs;
        if (!SetCommTimeouts(port, &timeouts))
            fail(ComPortErrorCode::Timeouts, reason(GetLastError()));
    }

    void startReceiveNotification()
    {
        if (!SetCommMask(port, EV_RXCHAR) || !rx.create(q))
            fail(ComPortErrorCode::Buffers, reason(GetLastError()));
        QObject::connect(rx.notifier, &QWinEventNotifier::activated, q, [this] { onCommEvent(); });
        waitForCharacters();
    }

    // The driver signals received characters through the overlapped wait; the event loop sees its event.
    void waitForCharacters()
    {
        ResetEvent(rx.io.hEvent);
        eventMask = 0;
        if (WaitCommEvent(port, &eventMask, &rx.io)) {
            SetEvent(rx.io.hEvent);
            return;
        }
        const DWORD error = GetLastError();
        if (error == ERROR_IO_PENDING) {
            rx.pending = true;
            return;
        }
        qCWarning(lcSerial) << "waiting for received bytes failed on" << q->m_portName << error;
        rx.notifier->setEnabled(false);
    }

    void onCommEvent()
    {
        DWORD ignored = 0;
        const bool completed = GetOverlappedResult(port, &rx.io, &ignored, FALSE);
        rx.pending = false;
        if (!completed) {
            qCWarning(lcSerial) << "receive notification ended on" << q->m_portName << GetLastError();
            rx.notifier->setEnabled(false);
            return;
        }
        DWORD errors = 0;
        COMSTAT status{};
        if ((eventMask & EV_RXCHAR) && ClearCommError(port, &errors, &status) && status.cbInQue > 0)
            emit q->OnRxChar(static_cast<int>(status.cbInQue));
        if (port != INVALID_HANDLE_VALUE && rx.notifier)
            waitForCharacters();
    }

    void startWrite(const QByteArray& bytes)
    {
        pending = bytes;
        if (!tx.io.hEvent) {
            if (!tx.create(q)) {
                failWrite(reason(GetLastError()));
                return;
            }
            QObject::connect(tx.notifier, &QWinEventNotifier::activated, q, [this] { onWriteDone(); });
        }
        ResetEvent(tx.io.hEvent);
        DWORD written = 0;
        if (WriteFile(port, pending.constData(), DWORD(pending.size()), &written, &tx.io)) {
            SetEvent(tx.io.hEvent);
            tx.pending = true;
            return;
        }
        const DWORD error = GetLastError();
        if (error != ERROR_IO_PENDING) {
            failWrite(reason(error));
            return;
        }
        tx.pending = true;
    }

    void onWriteDone()
    {
        if (!writing)
            return;
        DWORD written = 0;
        const bool completed = GetOverlappedResult(port, &tx.io, &written, FALSE);
        const DWORD error = completed ? ERROR_SUCCESS : GetLastError();
        tx.pending = false;
        ResetEvent(tx.io.hEvent);
        if (!completed)
            failWrite(reason(error));
        else if (written < DWORD(pending.size()))
            failWrite("The write did not complete within " + std::to_string(writeDeadline.interval()) +
                      " ms.");
        else
            finishWrite();
    }

    void finishWrite()
    {
        stopWriteWatch();
        emit q->writeCompleted();
    }

    void failWrite(const std::string& detail)
    {
        if (tx.pending) {
            CancelIoEx(port, &tx.io);
            DWORD ignored = 0;
            GetOverlappedResult(port, &tx.io, &ignored, TRUE);
            tx.pending = false;
        }
        PurgeComm(port, PURGE_TXABORT | PURGE_TXCLEAR);
        stopWriteWatch();
        emit q->writeFailed(QString::fromStdString(
            ComPortErrorMessage(ComPortErrorCode::Write, q->m_portName.toStdString(), detail)));
    }

    void stopWriteWatch()
    {
        writing = false;
        writeDeadline.stop();
    }

    void closeNow() noexcept
    {
        stopWriteWatch();
        if (port == INVALID_HANDLE_VALUE) {
            rx.release(port);
            tx.release(port);
            return;
        }
        // Ends the pending wait for characters and every queued transfer, then drops what is buffered.
        SetCommMask(port, 0);
        if (!PurgeComm(port, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR))
            qCDebug(lcSerial).noquote() << QString::fromStdString(ComPortErrorMessage(
                ComPortErrorCode::Purge, q->m_portName.toStdString(), reason(GetLastError())));
        CancelIoEx(port, nullptr);
        rx.release(port);
        tx.release(port);
        pending.clear();
        CloseHandle(port);
        port = INVALID_HANDLE_VALUE;
    }

    SerialPort* q;
    HANDLE port = INVALID_HANDLE_VALUE;
    Overlapped rx;
    Overlapped tx;
    DWORD eventMask = 0;
    bool writing = false;
    QByteArray pending;
    QTimer writeDeadline;
};

SerialPort::SerialPort(QObject* parent) : QObject(parent), d(std::make_unique<Private>(this))
{
    d->writeDeadline.setSingleShot(true);
    connect(&d->writeDeadline, &QTimer::timeout, this, [this] {
        d->failWrite("The write did not complete within " + std::to_string(d->writeDeadline.interval()) +
                     " ms.");
    });
}

SerialPort::~SerialPort()
{
    close();
}

void SerialPort::open()
{
    close();
    d->openDevice(devicePath().toStdString());
    // Stale bytes from before this opening must not pass for an answer.
    if (!PurgeComm(d->port, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR))
        d->fail(ComPortErrorCode::Buffers, reason(GetLastError()));
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
    return d->port != INVALID_HANDLE_VALUE;
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
    d->writeDeadline.start(kWriteTimeoutPerByteMs * int(bytes.size()) + kWriteTimeoutExtraMs);
    // Completion and failure arrive from the event loop, never from inside write().
    QTimer::singleShot(0, this, [this, bytes] {
        if (isOpen() && d->writing)
            d->startWrite(bytes);
    });
}

int SerialPort::bytesWaiting()
{
    DWORD errors = 0;
    COMSTAT status{};
    if (!isOpen() || !ClearCommError(d->port, &errors, &status))
        throw TavimoroError(ComPortErrorMessage(ComPortErrorCode::CountWaiting, m_portName.toStdString(),
                                                isOpen() ? reason(GetLastError()) : "The port is not open."));
    return static_cast<int>(status.cbInQue);
}

int SerialPort::read(char* buffer, int count)
{
    if (!isOpen())
        throw TavimoroError(
            ComPortErrorMessage(ComPortErrorCode::Read, m_portName.toStdString(), "The port is not open."));
    if (count <= 0)
        return 0;
    OVERLAPPED io{};
    io.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    DWORD received = 0;
    bool done = io.hEvent && ReadFile(d->port, buffer, DWORD(count), &received, &io);
    DWORD error = done ? ERROR_SUCCESS : GetLastError();
    // The read timeouts make the driver answer at once with what is waiting.
    if (!done && error == ERROR_IO_PENDING) {
        done = GetOverlappedResult(d->port, &io, &received, TRUE);
        error = done ? ERROR_SUCCESS : GetLastError();
    }
    if (io.hEvent)
        CloseHandle(io.hEvent);
    if (done)
        return static_cast<int>(received);
    // A failed read ends the receive notifications of this opening.
    if (d->rx.notifier)
        d->rx.notifier->setEnabled(false);
    throw TavimoroError(ComPortErrorMessage(ComPortErrorCode::Read, m_portName.toStdString(), reason(error)));
}
