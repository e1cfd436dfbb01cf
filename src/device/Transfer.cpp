#include "device/Transfer.h"

#include "base/Error.h"
#include "device/SerialPort.h"
#include "device/SettingsBlock.h"

#include <QLoggingCategory>

#include <array>

namespace
{

Q_LOGGING_CATEGORY(lcTransfer, "tavimoro.transfer", QtWarningMsg)

constexpr int kReadBufferSize = 1025;

} // namespace

Transfer::Transfer(SettingsBuilder build, FrameAssembler assemble, QObject* parent)
    : Transfer(new SerialPort, std::move(build), std::move(assemble), parent)
{
}

Transfer::Transfer(SerialPort* port, SettingsBuilder build, FrameAssembler assemble, QObject* parent)
    : QObject(parent), m_port(port), m_build(std::move(build)), m_assemble(std::move(assemble))
{
    m_port->setParent(this);
    m_tmReceive.setInterval(kReplyWindowMs);
    // A coarse timer may end the reply window up to 40 ms early.
    m_tmReceive.setTimerType(Qt::PreciseTimer);
    connect(&m_tmReceive, &QTimer::timeout, this, &Transfer::tmReceiveTimer);
    connect(m_port, &SerialPort::OnRxChar, this, &Transfer::ComPort1RxChar);
    connect(m_port, &SerialPort::writeCompleted, this, &Transfer::onWriteCompleted);
    connect(m_port, &SerialPort::writeFailed, this, &Transfer::onWriteFailed);
}

Transfer::~Transfer()
{
    m_tmReceive.stop();
    m_port->close();
}

void Transfer::send(const QString& portName, const QString& sendingText)
{
    if (m_busy)
        return;
    m_ackReported = false;
    setBusy(true);
    m_acknowledged = false;

    emit progressChanged(0);
    if (m_build)
        m_build();
    emit progressChanged(50);

    try {
        OpenComPort(portName);
    } catch (const TavimoroError& error) {
        failToIdle(QString::fromStdString(error.what()));
        return;
    }
    emit progressChanged(75);

    emit monitorLine(sendingText);
    m_transferStarted = true;
    SendSettingsFrame();
}

void Transfer::SendSettingsFrame()
{
    const QByteArray frame = m_assemble ? m_assemble() : QByteArray();
    emit linkStatusChanged(QStringLiteral("Sending"));
    m_writing = true;
    m_port->write(frame);
}

void Transfer::onWriteCompleted()
{
    if (!m_writing)
        return;
    m_writing = false;
    QTimer::singleShot(kPauseAfterWriteMs, Qt::PreciseTimer, this, [this] {
        if (!m_busy)
            return;
        m_tmReceive.start();
        emit progressChanged(100);
        QTimer::singleShot(kPauseAfterSendMs, Qt::PreciseTimer, this, [this] { emit progressChanged(0); });
    });
}

void Transfer::onWriteFailed(const QString& message)
{
    if (!m_writing)
        return;
    m_writing = false;
    failToIdle(message);
}

void Transfer::ComPort1RxChar(int count)
{
    std::array<char, kReadBufferSize> buffer{};
    try {
        m_port->read(buffer.data(), std::min(count, kReadBufferSize));
    } catch (const TavimoroError& error) {
        // The port has stopped notifying; the reply window then ends unanswered.
        qCWarning(lcTransfer) << error.what();
        return;
    }
    if (!m_transferStarted || static_cast<unsigned char>(buffer[0]) != kSettingsAcknowledge)
        return;
    if (!m_ackReported)
        emit monitorLine(QStringLiteral("ACK_OK"));
    m_ackReported = true;
    m_acknowledged = true;
    emit beepRequested();
}

void Transfer::tmReceiveTimer()
{
    if (m_transferStarted) {
        if (m_acknowledged) {
            emit linkStatusChanged(QStringLiteral("    OK"));
        } else {
            emit monitorLine(QStringLiteral("ACK_ERROR"));
            emit linkStatusChanged(QStringLiteral("   Error"));
        }
    }
    CloseComPort();
    setBusy(false);
    m_tmReceive.stop();
}

void Transfer::OpenComPort(const QString& name)
{
    CloseComPort();
    if (!m_port->setPortName(name))
        m_port->setPortName(QStringLiteral("COM1"));
    m_port->open();
}

void Transfer::CloseComPort()
{
    if (m_writing) {
        m_writing = false;
        m_port->close();
        setBusy(false);
        return;
    }
    m_port->close();
}

void Transfer::setBusy(bool busy)
{
    if (m_busy == busy)
        return;
    m_busy = busy;
    emit busyChanged(busy);
}

void Transfer::failToIdle(const QString& message)
{
    CloseComPort();
    setBusy(false);
    emit failed(message);
}
