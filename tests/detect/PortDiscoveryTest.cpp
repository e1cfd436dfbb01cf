// Port discovery over plain widgets, the shipped bridge library and simulated sysfs trees.
#include "detect/PortDiscovery.h"
#include "DetectionTiming.h"
#include "SysfsTree.h"
#include "base/Error.h"
#include "detect/BridgeAccess.h"
#include "detect/DeviceChangeNotifier.h"
#include "i18n/MessageTexts.h"

#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QMenu>
#include <QTest>

#include <memory>

namespace
{

struct Dialog {
    QString title;
    QString instruction;
    QString content;
};

// The widgets and the window's side of the hooks, recorded.
struct Window {
    QComboBox comComboBox;
    QMenu mnuComport;
    QString status = QStringLiteral("(untouched)");
    QList<Dialog> dialogs;
    QStringList errors;
    QString comPort1Name = QStringLiteral("COM1");
    std::unique_ptr<PortDiscovery> discovery;

    Window()
    {
        PortDiscovery::Hooks hooks;
        hooks.setStatusText = [this](const QString& text) { status = text; };
        hooks.showInformation = [this](const QString& title, const QString& instruction,
                                       const QString& content) {
            dialogs.append({title, instruction, content});
        };
        hooks.configuredPortName = [this] { return comPort1Name; };
        hooks.reportError = [this](const QString& message) { errors.append(message); };
        discovery = std::make_unique<PortDiscovery>(&comComboBox, &mnuComport, hooks);
    }

    QStringList menuCaptions() const
    {
        QStringList captions;
        for (const QAction* entry : mnuComport.actions())
            captions.append(entry->text());
        return captions;
    }

    QAction* entry(const QString& caption) const
    {
        for (QAction* a : mnuComport.actions()) {
            if (a->text() == caption)
                return a;
        }
        return nullptr;
    }

    QStringList checkedCaptions() const
    {
        QStringList checked;
        for (const QAction* a : mnuComport.actions()) {
            if (a->isChecked())
                checked.append(a->text());
        }
        return checked;
    }
};

const QString kDetected = QStringLiteral("Tavimoro Interface detected!");
const QString kNotDetected = QStringLiteral("No Tavimoro interface detected");

SysfsTree::UsbDevice interfaceOn(const std::string& node)
{
    SysfsTree::UsbDevice device;
    device.ttyNode = node;
    return device;
}

} // namespace

class PortDiscoveryTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        MessageTexts::setText(MessageTexts::strSTRAUTO, "AUTODETECT");
        MessageTexts::setText(MessageTexts::strStrNoOrdakInterfaceD, kNotDetected.toStdString());
        MessageTexts::setText(MessageTexts::strStrOrdakInterfaceDete, kDetected.toStdString());
        MessageTexts::setText(MessageTexts::strStrHardwareDetection, "Hardware detection");
        MessageTexts::setText(MessageTexts::strStrNOTEYouCanAvoid,
                              "NOTE: you can avoid this message by attaching the Tavimoro interface before "
                              "calling this dialog.");
        MessageTexts::setText(MessageTexts::strStrOrdakInterfaceDetet,
                              "Tavimoro Interface detected but possibly there is a wrong COMPort assigned.");
        MessageTexts::setText(
            MessageTexts::strStrNOTEItSeemsThat,
            "NOTE: It seems that the Tavimoro interface is connected to COMPort %d (but it is "
            "assigned to COMPort %d).");
    }

    void init()
    {
        BridgeAccess::UnloadBridgeLibrary();
        BridgeAccess::SetBridgeLibraryName("libtavimoro-cp210x.so");
    }

    void startupPortCheck_data()
    {
        QTest::addColumn<int>("storedPort");
        QTest::addColumn<bool>("interfaceAttached");
        QTest::addColumn<int>("currentPort");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("warning");

        QTest::newRow("automatic, interface on COM33")
            << -1 << true << 33 << kDetected + " (33)" << QString();
        QTest::newRow("automatic, no interface") << -1 << false << -1 << kNotDetected << QString();
        QTest::newRow("COM3 stored, interface on COM33")
            << 3 << true << 3 << kDetected + " (3)"
            << "NOTE: It seems that the Tavimoro interface is connected to COMPort 33 (but it is assigned to "
               "COMPort 3).";
        QTest::newRow("COM3 stored, no interface") << 3 << false << 3 << kDetected + " (3)" << QString();
        QTest::newRow("COM33 stored, interface there")
            << 33 << true << 33 << kDetected + " (33)" << QString();
        QTest::newRow("COM5 stored but absent")
            << 5 << true << 5 << kNotDetected
            << "NOTE: It seems that the Tavimoro interface is connected to "
               "COMPort 33 (but it is assigned to COMPort 5).";
    }

    void startupPortCheck()
    {
        QFETCH(int, storedPort);
        QFETCH(bool, interfaceAttached);
        QFETCH(int, currentPort);
        QFETCH(QString, status);
        QFETCH(QString, warning);

        SysfsTree tree;
        tree.activate();
        tree.addUart(0, 4);
        tree.addUart(2, 4);
        if (interfaceAttached)
            tree.addUsbDevice(interfaceOn("ttyUSB0"));
        Window w;
        w.discovery->setCurrentPort(static_cast<qint16>(storedPort));
        w.discovery->setAutoDetect(storedPort == -1);
        w.discovery->RefillPortList();
        QCOMPARE(w.comComboBox.currentText(), QStringLiteral("COM1"));

        w.discovery->StartupPortCheck();

        QCOMPARE(w.discovery->currentPort(), currentPort);
        QCOMPARE(w.status, status);
        if (warning.isEmpty()) {
            QVERIFY(w.dialogs.isEmpty());
        } else {
            QCOMPARE(w.dialogs.size(), 1);
            QCOMPARE(w.dialogs[0].title, QStringLiteral("Hardware detection"));
            QCOMPARE(w.dialogs[0].instruction,
                     QStringLiteral(
                         "Tavimoro Interface detected but possibly there is a wrong COMPort assigned."));
            QCOMPARE(w.dialogs[0].content, warning);
        }
        QCOMPARE(w.discovery->lastPortText(), w.comComboBox.currentText());
        QCOMPARE(w.menuCaptions().first(), QStringLiteral("AUTODETECT"));
        QVERIFY(w.errors.isEmpty());
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void startupWithStoredPortKeepsTheLibraryLoaded()
    {
        SysfsTree tree;
        tree.activate();
        tree.addUsbDevice(interfaceOn("ttyUSB0"));
        Window w;
        w.discovery->setCurrentPort(33);
        w.discovery->RefillPortList();
        w.discovery->StartupPortCheck();
        QVERIFY(BridgeAccess::BridgeLibraryLoaded());
        w.discovery->DetectInterface(true);
        QVERIFY(!BridgeAccess::BridgeLibraryLoaded());
    }

    void hotPlugShowsTheNoteOnceAndRemovalIsQuiet()
    {
        SysfsTree tree;
        tree.activate();
        tree.addUart(0, 4);
        Window w;
        w.discovery->setAutoDetect(true);
        w.discovery->RefillPortList();
        w.discovery->StartupPortCheck();
        w.discovery->setStartingUp(false);
        QCOMPARE(w.status, kNotDetected);
        QCOMPARE(w.discovery->lastPortText(), QStringLiteral("COM1"));

        tree.addUsbDevice(interfaceOn("ttyUSB1"));
        QVERIFY(w.discovery->WMDeviceChange(DeviceChangeNotifier::kDeviceArrival));
        QCOMPARE(w.discovery->currentPort(), 34);
        QCOMPARE(w.status, kDetected + " (34)");
        QCOMPARE(w.dialogs.size(), 1);
        QCOMPARE(w.dialogs[0].title, QStringLiteral("Hardware detection"));
        QCOMPARE(w.dialogs[0].instruction, kDetected);
        QVERIFY(w.dialogs[0].content.startsWith(QStringLiteral("NOTE: you can avoid")));

        // Another device arrives (a memory stick): the interface is still on the last port, no note.
        QVERIFY(w.discovery->WMDeviceChange(DeviceChangeNotifier::kDeviceArrival));
        QCOMPARE(w.dialogs.size(), 1);
        QCOMPARE(w.comComboBox.currentText(), QStringLiteral("COM34"));

        tree.removeUsbDevice("1-2", "ttyUSB1");
        QVERIFY(w.discovery->WMDeviceChange(DeviceChangeNotifier::kDeviceRemoveComplete));
        QCOMPARE(w.dialogs.size(), 1);
        QCOMPARE(w.status, kNotDetected);
        // The refill selected the transfer's port name; the lost interface's number stays current.
        QCOMPARE(w.comComboBox.currentText(), QStringLiteral("COM1"));
        QCOMPARE(w.discovery->currentPort(), 34);
        QCOMPARE(w.menuCaptions(), QStringList({"AUTODETECT", "COM1"}));
    }

    void arrivalDuringStartUpOrOnTheSamePortShowsNoNote()
    {
        SysfsTree tree;
        tree.activate();
        tree.addUsbDevice(interfaceOn("ttyUSB0"));
        Window w;
        w.discovery->RefillPortList();
        QVERIFY(w.discovery->WMDeviceChange(DeviceChangeNotifier::kDeviceArrival));
        QVERIFY(w.dialogs.isEmpty());
        w.discovery->setStartingUp(false);
        QVERIFY(w.discovery->WMDeviceChange(DeviceChangeNotifier::kDeviceArrival));
        QVERIFY(w.dialogs.isEmpty());
        QCOMPARE(w.discovery->currentPort(), 33);
    }

    void quietDetectionShowsNoNote_data()
    {
        QTest::addColumn<bool>("quiet");
        QTest::addColumn<bool>("startingUp");
        QTest::addColumn<int>("notes");
        QTest::newRow("loud") << false << false << 1;
        QTest::newRow("quiet") << true << false << 0;
        QTest::newRow("loud while starting up") << false << true << 0;
    }

    void quietDetectionShowsNoNote()
    {
        QFETCH(bool, quiet);
        QFETCH(bool, startingUp);
        QFETCH(int, notes);
        SysfsTree tree;
        tree.activate();
        tree.addUart(0, 4);
        tree.addUsbDevice(interfaceOn("ttyUSB0"));
        Window w;
        w.discovery->RefillPortList();
        w.discovery->setStartingUp(startingUp);
        w.discovery->DetectInterface(quiet);
        QCOMPARE(w.dialogs.size(), notes);
        QCOMPARE(w.discovery->currentPort(), 33);
        QCOMPARE(w.discovery->lastPortText(), QStringLiteral("COM33"));
    }

    void otherEventCodesChangeNothing()
    {
        SysfsTree tree;
        tree.activate();
        tree.addUart(0, 4);
        Window w;
        w.discovery->RefillPortList();
        tree.addUsbDevice(interfaceOn("ttyUSB0"));
        for (const int code : {0x0007, 0x8001, 0x8003, 0x8006, 0}) {
            QVERIFY(w.discovery->WMDeviceChange(code));
            QCOMPARE(w.comComboBox.count(), 1);
            QCOMPARE(w.status, QStringLiteral("(untouched)"));
            QCOMPARE(w.discovery->currentPort(), -1);
            QVERIFY(w.mnuComport.actions().isEmpty());
        }
    }

    void refillSelectsTheTransferPortIgnoringCase()
    {
        SysfsTree tree;
        tree.activate();
        tree.addUart(0, 4);
        tree.addUart(1, 4);
        Window w;
        w.comPort1Name = QStringLiteral("com2");
        w.discovery->RefillPortList();
        QCOMPARE(w.comComboBox.currentText(), QStringLiteral("COM2"));
        w.comPort1Name = QStringLiteral("COM7");
        w.discovery->RefillPortList();
        QCOMPARE(w.comComboBox.currentIndex(), -1);
        QCOMPARE(w.comComboBox.currentText(), QString());
    }

    void menuStartsWithBoldAutodetectThenPortsInListOrder()
    {
        SysfsTree tree;
        tree.activate();
        tree.addUart(0, 4);
        tree.addUart(9, 4);
        tree.addUart(1, 4);
        Window w;
        w.discovery->RefillPortList();
        w.discovery->BuildComPortMenu();
        QCOMPARE(w.menuCaptions(), QStringList({"AUTODETECT", "COM1", "COM10", "COM2"}));
        const QList<QAction*> entries = w.mnuComport.actions();
        QCOMPARE(w.mnuComport.defaultAction(), entries[0]);
        QVERIFY(entries[0]->font().bold());
        QVERIFY(!entries[1]->font().bold());
        QCOMPARE(entries[0]->data().toInt(), 255);
        for (int i = 0; i < entries.size(); ++i)
            QCOMPARE(entries[i]->objectName(), QStringLiteral("mnu%1").arg(i));
        QCOMPARE(entries[1]->data().toInt(), 0);
        QVERIFY(entries[2]->toolTip().endsWith(QStringLiteral("/ttyS9")));
    }

    void choosingAPortByHandThenAutodetect()
    {
        SysfsTree tree;
        tree.activate();
        tree.addUart(0, 4);
        tree.addUart(1, 4);
        tree.addUsbDevice(interfaceOn("ttyUSB0"));
        Window w;
        w.discovery->setAutoDetect(true);
        w.discovery->RefillPortList();
        w.discovery->StartupPortCheck();
        w.discovery->setStartingUp(false);
        QCOMPARE(w.discovery->currentPort(), 33);

        w.entry(QStringLiteral("COM2"))->trigger();
        QVERIFY(!w.discovery->autoDetect());
        QCOMPARE(w.discovery->currentPort(), 2);
        QCOMPARE(w.status, kDetected + " (2)");
        QCOMPARE(w.comComboBox.currentText(), QStringLiteral("COM2"));
        w.discovery->mnuComportClick();
        QCOMPARE(w.checkedCaptions(), QStringList({"COM2"}));

        w.entry(QStringLiteral("AUTODETECT"))->trigger();
        QVERIFY(w.discovery->autoDetect());
        QCOMPARE(w.discovery->currentPort(), 33);
        QCOMPARE(w.status, kDetected + " (33)");
        QVERIFY(w.dialogs.isEmpty());
        QVERIFY(w.errors.isEmpty());
        // Opening the menu sets the marks.
        QMetaObject::invokeMethod(&w.mnuComport, "aboutToShow");
        QCOMPARE(w.checkedCaptions(), QStringList({"AUTODETECT"}));
        QCOMPARE(w.menuCaptions(), QStringList({"AUTODETECT", "COM1", "COM2", "COM33"}));
    }

    void autodetectWithoutAnyPortReportsTheConversionError()
    {
        SysfsTree tree;
        tree.activate();
        Window w;
        w.discovery->setCurrentPort(4);
        w.discovery->RefillPortList();
        w.discovery->BuildComPortMenu();
        w.entry(QStringLiteral("AUTODETECT"))->trigger();
        QCOMPARE(w.errors, QStringList({"'' is not a valid integer value"}));
        QVERIFY(w.discovery->autoDetect());
        QCOMPARE(w.discovery->currentPort(), 4);
    }

    void absentLibraryChangesNothingButTheMenu()
    {
        SysfsTree tree;
        tree.activate();
        tree.addUart(0, 4);
        tree.addUsbDevice(interfaceOn("ttyUSB0"));
        BridgeAccess::SetBridgeLibraryName("/nonexistent/libnothing.so");
        Window w;
        w.discovery->setCurrentPort(7);
        w.discovery->RefillPortList();
        w.discovery->DetectInterface(false);
        QCOMPARE(w.status, QStringLiteral("(untouched)"));
        QCOMPARE(w.discovery->currentPort(), 7);
        QCOMPARE(w.discovery->lastPortText(), QString());
        QCOMPARE(w.menuCaptions(), QStringList({"AUTODETECT", "COM1", "COM33"}));
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void bridgeErrorPropagatesAfterTheCleanUp()
    {
        SysfsTree tree;
        tree.activate();
        tree.addUart(0, 4);
        const std::string script = tree.scratch() + "/bridges.txt";
        tree.writeFile("../scratch/bridges.txt", "bridge open=1 vid=10C4 pid=EA60 serial=0001\n");
        qputenv("TAVIMORO_FIXTURE_BRIDGES", QByteArray::fromStdString(script));
        BridgeAccess::SetBridgeLibraryName(TAVIMORO_SCRIPTED_BRIDGE_NOSERIAL);
        Window w;
        w.discovery->RefillPortList();
        QVERIFY_THROWS_EXCEPTION(TavimoroError, w.discovery->DetectInterface(false));
        QVERIFY(!BridgeAccess::BridgeLibraryLoaded());
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(w.menuCaptions(), QStringList({"AUTODETECT", "COM1"}));

        // Through the notification handler the error reaches the window's report.
        w.discovery->onDeviceChange(DeviceChangeNotifier::kDeviceArrival);
        QCOMPARE(w.errors, QStringList({"Function CP210x_GetDeviceSerialNumber not found!"}));
        qunsetenv("TAVIMORO_FIXTURE_BRIDGES");
    }

    void detectionWithThirtyTwoBridgesAndPorts()
    {
        SysfsTree tree;
        tree.activate();
        for (int i = 0; i < 32; ++i) {
            SysfsTree::UsbDevice device = interfaceOn("ttyUSB" + std::to_string(i));
            device.name = "1-" + std::to_string(i + 1);
            device.serial = i == 31 ? std::string("0001") : "S" + std::to_string(i);
            tree.addUsbDevice(device);
        }
        Window w;
        w.discovery->RefillPortList();
        QCOMPARE(w.comComboBox.count(), 32);
        const DetectionTiming best = bestDetectionTiming(10, [&w] { w.discovery->DetectInterface(true); });
        QCOMPARE(w.discovery->currentPort(), 64);
        qInfo("detection with 32 bridges and ports: %.2f ms CPU, %.2f ms wall", best.cpuMs, best.wallMs);
        if (kDetectionBudgetApplies) {
            QVERIFY(best.cpuMs < kDetectionBudgetMs);
        }
    }
};

QTEST_MAIN(PortDiscoveryTest)
#include "PortDiscoveryTest.moc"
