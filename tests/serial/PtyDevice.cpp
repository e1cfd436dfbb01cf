#include "PtyDevice.h"

#include <QFile>
#include <QSocketNotifier>
#include <QTimer>

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace
{

constexpr int kFrameSize = 30;

} // namespace

PtyDevice::PtyDevice(const QString& node, QObject* parent) : QObject(parent), m_node(node)
{
    termios raw{};
    cfmakeraw(&raw);
    char name[128] = {};
    if (::openpty(&m_master, &m_slave, name, &raw, nullptr) != 0) {
        m_master = m_slave = -1;
        return;
    }
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    QFile::link(QString::fromLocal8Bit(name), path());
    m_notifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &PtyDevice::onReadable);
}

PtyDevice::~PtyDevice()
{
    hangUp();
    if (m_slave >= 0)
        ::close(m_slave);
}

QString PtyDevice::path() const
{
    return m_dir.filePath(m_node);
}

void PtyDevice::sendRaw(const QByteArray& bytes)
{
    if (m_master >= 0)
        (void)!::write(m_master, bytes.constData(), size_t(bytes.size()));
}

void PtyDevice::hangUp()
{
    delete m_notifier;
    m_notifier = nullptr;
    if (m_master >= 0)
        ::close(m_master);
    m_master = -1;
}

void PtyDevice::onReadable()
{
    char buffer[256];
    const ssize_t n = ::read(m_master, buffer, sizeof buffer);
    if (n <= 0)
        return;
    m_pending.append(buffer, n);
    while (m_pending.size() >= kFrameSize) {
        m_frames.append(m_pending.left(kFrameSize));
        m_pending.remove(0, kFrameSize);
        answer();
    }
}

void PtyDevice::answer()
{
    const QByteArray ack(1, char(0x8C));
    switch (m_reply) {
    case Reply::Ack:
        sendRaw(ack);
        break;
    case Reply::Silent:
        break;
    case Reply::Wrong:
        sendRaw(QByteArray("\x00\x8C", 2));
        break;
    case Reply::Twice:
        sendRaw(ack);
        // Far enough apart to arrive as two notifications.
        QTimer::singleShot(50, this, [this, ack] { sendRaw(ack); });
        break;
    case Reply::After700ms:
        QTimer::singleShot(700, this, [this, ack] { sendRaw(ack); });
        break;
    case Reply::After1500ms:
        QTimer::singleShot(1500, this, [this, ack] { sendRaw(ack); });
        break;
    }
}
