// The notifier under a simulated sys root: entries appearing in and leaving <root>/class/tty.
#include "detect/DeviceChangeNotifier.h"
#include "SysfsTree.h"

#include <QSignalSpy>
#include <QTest>

class DeviceChangeNotifierTest : public QObject
{
    Q_OBJECT

private slots:
    void reportsArrivalAndRemovalOfTtys()
    {
        SysfsTree tree;
        tree.activate();
        DeviceChangeNotifier notifier;
        QVERIFY(notifier.isMonitoring());
        QVERIFY(notifier.unavailableReason().isEmpty());
        QSignalSpy spy(&notifier, &DeviceChangeNotifier::deviceChange);

        SysfsTree::UsbDevice device;
        device.ttyNode = "ttyUSB0";
        tree.addUsbDevice(device);
        QTRY_COMPARE(spy.size(), 1);
        QCOMPARE(spy.takeFirst().at(0).toInt(), DeviceChangeNotifier::kDeviceArrival);

        tree.removeUsbDevice("1-2", "ttyUSB0");
        QTRY_COMPARE(spy.size(), 1);
        QCOMPARE(spy.takeFirst().at(0).toInt(), DeviceChangeNotifier::kDeviceRemoveComplete);
    }

    void saysSoWhenNothingCanBeWatched()
    {
        qputenv("TAVIMORO_SYSFS_ROOT", "/nonexistent/sys");
        DeviceChangeNotifier notifier;
        QVERIFY(!notifier.isMonitoring());
        QVERIFY(notifier.unavailableReason().contains(QStringLiteral("/nonexistent/sys/class/tty")));
        qunsetenv("TAVIMORO_SYSFS_ROOT");
    }
};

QTEST_MAIN(DeviceChangeNotifierTest)
#include "DeviceChangeNotifierTest.moc"
