#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

struct SerialSyscalls;

// The serial port the transfer talks through (ComPort1): fixed at 600 baud, 8N1, no parity checking,
// DTR on, RTS off, no flow control, opened for this program alone. Failures raise TavimoroError with
// "COM Port Error: <operation> on <port>" (and a line of advice where there is one).
class SerialPort : public QObject
{
    Q_OBJECT
public:
    explicit SerialPort(QObject* parent = nullptr);
    // Routes every OS call through syscalls (tests make them fail). Linux only: they are POSIX calls.
    SerialPort(const SerialSyscalls& syscalls, QObject* parent = nullptr);
    ~SerialPort() override;

    QString portName() const;
    // Takes a COM name; false, leaving the name unchanged, when the name maps to no device.
    bool setPortName(const QString& name);
    // The device node that portName opens.
    QString devicePath() const;

    // Opens, configures and starts the receive notification; on any failure the port is closed again.
    void open();
    // Aborts pending input and output, discards what is queued and releases the device. Never throws.
    void close() noexcept;
    bool isOpen() const;

    // Hands bytes to the driver; writeCompleted follows once they are sent, or writeFailed when that fails
    // or takes longer than 100 ms per byte plus 1000 ms. Both arrive from the event loop, never from here.
    void write(const QByteArray& bytes);
    // The number of received bytes waiting to be read.
    int bytesWaiting();
    // Returns at once with up to count waiting bytes. A failure also ends OnRxChar for this opening.
    int read(char* buffer, int count);

signals:
    // Raised on the thread that owns the port when received bytes wait, count > 0.
    void OnRxChar(int count);
    void writeCompleted();
    void writeFailed(const QString& message);

private:
    class Private;
    QString m_portName = QStringLiteral("COM1");
    std::unique_ptr<Private> d;
};
