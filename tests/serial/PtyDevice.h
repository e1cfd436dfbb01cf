#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QTemporaryDir>

class QSocketNotifier;

// Plays the device at the far end of a pseudo-terminal that appears as <dev root>/<node>; the test points
// TAVIMORO_DEV_ROOT at devRoot(). Holds the slave open, as a cable would keep the line up.
class PtyDevice : public QObject
{
    Q_OBJECT
public:
    enum class Reply { Ack, Silent, Wrong, Twice, After700ms, After1500ms };

    explicit PtyDevice(const QString& node = QStringLiteral("ttyUSB0"), QObject* parent = nullptr);
    ~PtyDevice() override;

    bool isReady() const { return m_master >= 0; }
    QString devRoot() const { return m_dir.path(); }
    QString path() const;
    int slaveFd() const { return m_slave; }
    int masterFd() const { return m_master; }

    void setReply(Reply reply) { m_reply = reply; }
    // Every 30-byte frame received, in order.
    const QList<QByteArray>& frames() const { return m_frames; }
    // Bytes received that do not yet make a frame.
    QByteArray pending() const { return m_pending; }
    void sendRaw(const QByteArray& bytes);
    void hangUp();

private:
    void onReadable();
    void answer();

    QTemporaryDir m_dir;
    QString m_node;
    int m_master = -1;
    int m_slave = -1;
    QSocketNotifier* m_notifier = nullptr;
    Reply m_reply = Reply::Ack;
    QList<QByteArray> m_frames;
    QByteArray m_pending;
};
