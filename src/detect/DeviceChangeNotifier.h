#pragma once

#include "detect/DeviceChangeMessage.h"

#include <QObject>
#include <QString>

#include <memory>

// Tells the window when a device arrives or is removed, as the event codes of the system's device-change
// notification. On Windows a native event filter for that message; on Linux a udev monitor on the tty
// subsystem, or under a simulated sys root (TAVIMORO_SYSFS_ROOT) a watch on <root>/class/tty instead.
class DeviceChangeNotifier : public QObject
{
    Q_OBJECT

public:
    static constexpr int kDeviceArrival = devicechange::kDeviceArrival;
    static constexpr int kDeviceRemoveComplete = devicechange::kDeviceRemoveComplete;

    explicit DeviceChangeNotifier(QObject* parent = nullptr);
    ~DeviceChangeNotifier() override;

    // False when no monitor could be opened: plugging is then not followed.
    bool isMonitoring() const;
    // Why not, in a sentence for the status bar; empty while monitoring.
    QString unavailableReason() const;

signals:
    void deviceChange(int eventCode);

private:
    class Monitor;
    std::unique_ptr<Monitor> m_monitor;
};
