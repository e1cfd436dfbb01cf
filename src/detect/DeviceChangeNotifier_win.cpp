#include "detect/DeviceChangeNotifier.h"

#include "detect/DeviceChangeMessage.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QLoggingCategory>

#include <windows.h>

namespace
{

Q_LOGGING_CATEGORY(lcDetect, "tavimoro.detect", QtCriticalMsg)

} // namespace

// Sits in front of the windows' own message handling. The system sends its device-change message to every
// top-level window of the program; only the first window that gets one reacts, so one plug is one
// detection however many windows are open.
class DeviceChangeNotifier::Monitor : public QAbstractNativeEventFilter
{
public:
    explicit Monitor(DeviceChangeNotifier* owner) : m_owner(owner)
    {
        if (!QCoreApplication::instance()) {
            reason =
                QStringLiteral("Plugging and unplugging are not followed: the program has no message loop.");
            return;
        }
        QCoreApplication::instance()->installNativeEventFilter(this);
        monitoring = true;
    }

    ~Monitor() override
    {
        if (monitoring && QCoreApplication::instance())
            QCoreApplication::instance()->removeNativeEventFilter(this);
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override
    {
        if (eventType != "windows_generic_MSG" || !message)
            return false;
        const MSG* msg = static_cast<const MSG*>(message);
        const devicechange::Answer answer =
            devicechange::AnswerWindowMessage(msg->message, static_cast<std::uintptr_t>(msg->wParam));
        if (!answer.handled)
            return false;
        if (result)
            *result = answer.result;
        if (!m_window || !IsWindow(m_window))
            m_window = msg->hwnd;
        if (answer.eventCode && msg->hwnd == m_window) {
            qCDebug(lcDetect) << "WM_DEVICECHANGE" << Qt::hex << answer.eventCode;
            emit m_owner->deviceChange(answer.eventCode);
        }
        return true;
    }

    bool monitoring = false;
    QString reason;

private:
    DeviceChangeNotifier* m_owner;
    HWND m_window = nullptr;
};

DeviceChangeNotifier::DeviceChangeNotifier(QObject* parent)
    : QObject(parent), m_monitor(std::make_unique<Monitor>(this))
{
}

DeviceChangeNotifier::~DeviceChangeNotifier() = default;

bool DeviceChangeNotifier::isMonitoring() const
{
    return m_monitor->monitoring;
}

QString DeviceChangeNotifier::unavailableReason() const
{
    return m_monitor->monitoring ? QString() : m_monitor->reason;
}
