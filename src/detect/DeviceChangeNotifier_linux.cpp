#include "detect/DeviceChangeNotifier.h"

#include <QDir>
#include <QFileSystemWatcher>
#include <QLoggingCategory>
#include <QSet>
#include <QSocketNotifier>

#include <cstdlib>
#include <cstring>
#include <libudev.h>

namespace
{

// Off by default like every tavimoro.* category; QT_LOGGING_RULES turns it on.
Q_LOGGING_CATEGORY(lcDetect, "tavimoro.detect", QtCriticalMsg)

QSet<QString> entriesOf(const QString& folder)
{
    const QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    return QSet<QString>(names.begin(), names.end());
}

} // namespace

class DeviceChangeNotifier::Monitor
{
public:
    explicit Monitor(DeviceChangeNotifier* owner) : m_owner(owner)
    {
        const char* simulatedRoot = std::getenv("TAVIMORO_SYSFS_ROOT");
        if (simulatedRoot && *simulatedRoot)
            watchFolder(QString::fromLocal8Bit(simulatedRoot) + QStringLiteral("/class/tty"));
        else
            openUdevMonitor();
    }

    ~Monitor()
    {
        delete m_socketNotifier;
        delete m_watcher;
        if (m_udevMonitor)
            udev_monitor_unref(m_udevMonitor);
        if (m_udev)
            udev_unref(m_udev);
    }

    bool monitoring = false;
    QString reason;

private:
    void openUdevMonitor()
    {
        m_udev = udev_new();
        if (m_udev)
            m_udevMonitor = udev_monitor_new_from_netlink(m_udev, "udev");
        if (!m_udevMonitor ||
            udev_monitor_filter_add_match_subsystem_devtype(m_udevMonitor, "tty", nullptr) < 0 ||
            udev_monitor_enable_receiving(m_udevMonitor) < 0) {
            fail(QStringLiteral("the udev monitor cannot be opened"));
            return;
        }
        const int fd = udev_monitor_get_fd(m_udevMonitor);
        m_socketNotifier = new QSocketNotifier(fd, QSocketNotifier::Read);
        QObject::connect(m_socketNotifier, &QSocketNotifier::activated, m_owner, [this] { readUdevEvent(); });
        monitoring = true;
    }

    void readUdevEvent()
    {
        udev_device* device = udev_monitor_receive_device(m_udevMonitor);
        if (!device)
            return;
        const char* action = udev_device_get_action(device);
        qCDebug(lcDetect) << "udev" << action << udev_device_get_sysname(device);
        int code = 0;
        if (action && std::strcmp(action, "add") == 0)
            code = kDeviceArrival;
        else if (action && std::strcmp(action, "remove") == 0)
            code = kDeviceRemoveComplete;
        udev_device_unref(device);
        if (code)
            emit m_owner->deviceChange(code);
    }

    void watchFolder(const QString& folder)
    {
        m_folder = folder;
        m_watcher = new QFileSystemWatcher;
        if (!QDir(folder).exists() || !m_watcher->addPath(folder)) {
            fail(QStringLiteral("%1 cannot be watched").arg(folder));
            return;
        }
        m_entries = entriesOf(folder);
        QObject::connect(m_watcher, &QFileSystemWatcher::directoryChanged, m_owner,
                         [this] { compareEntries(); });
        monitoring = true;
    }

    // One notification per entry that came or went, as udev sends one per tty.
    void compareEntries()
    {
        const QSet<QString> now = entriesOf(m_folder);
        const QSet<QString> added = now - m_entries;
        const QSet<QString> removed = m_entries - now;
        m_entries = now;
        for (qsizetype i = 0; i < removed.size(); ++i)
            emit m_owner->deviceChange(kDeviceRemoveComplete);
        for (qsizetype i = 0; i < added.size(); ++i)
            emit m_owner->deviceChange(kDeviceArrival);
    }

    void fail(const QString& why)
    {
        reason = QStringLiteral("Plugging and unplugging are not followed: %1.").arg(why);
        qCInfo(lcDetect) << reason;
    }

    DeviceChangeNotifier* m_owner;
    udev* m_udev = nullptr;
    udev_monitor* m_udevMonitor = nullptr;
    QSocketNotifier* m_socketNotifier = nullptr;
    QFileSystemWatcher* m_watcher = nullptr;
    QString m_folder;
    QSet<QString> m_entries;
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
