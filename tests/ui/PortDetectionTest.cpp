// The window's port detection over simulated sysfs trees and the shipped bridge library.
#include "WindowFixture.h"

#include "../detect/SysfsTree.h"
#include "detect/DeviceChangeNotifier.h"
#include "detect/PortDiscovery.h"
#include "i18n/MessageTexts.h"
#include "ui/SimpleStatusBar.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

namespace
{

// The built-in German texts: German is the language of a first start.
const QString kDetected = QStringLiteral("Tavimoro Interface erkannt!");
const QString kNotDetected = QStringLiteral("Tavimoro Interface nicht gefunden");
const QString kAutoDetect = QStringLiteral("Autom. Erkennung");
const QString kTitle = QStringLiteral("Hardwareerkennung");
const QString kAttachFirst =
    QStringLiteral("HINWEIS: Sie k\u00f6nnen diese Meldung vermeiden in dem Sie das Tavimoro "
                   "Interface vor Aufruf dieses Dialogs an den PC anschlie\u00dfen.");

SysfsTree::UsbDevice interfaceOn(const std::string& ttyNode)
{
    SysfsTree::UsbDevice device;
    device.ttyNode = ttyNode;
    return device;
}

struct Note {
    QString title;
    QString instruction;
    QString content;
    bool boldInstruction = false;
    bool information = false;
};

} // namespace

class PortDetectionTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startUpPortCheck_data();
    void startUpPortCheck();
    void secondInterfacePluggedInMovesThePortWithOneNote();
    void removalIsQuiet();
    void otherChangeCodesChangeNothing();
    void menuListsAutodetectFirstThenThePorts();
    void menuChoiceIsSavedAsCPort_data();
    void menuChoiceIsSavedAsCPort();
    void missingHotPlugMonitorIsSaidOnce();
    void sendThroughTheDetectedPortIsAcknowledged();

private:
    std::unique_ptr<WindowFixture> m_f;
    std::unique_ptr<SysfsTree> m_tree;
    QList<Note> m_notes;

    TFOrdakSetup& open();
    QString status() const;
    QMenu* comPortMenu() const;
    QStringList menuCaptions() const;
};

void PortDetectionTest::init()
{
    m_f = std::make_unique<WindowFixture>();
    m_tree = std::make_unique<SysfsTree>();
    m_tree->activate();
    qputenv("TAVIMORO_DEV_ROOT", QByteArray::fromStdString(m_tree->scratch()));
    m_notes.clear();
}

void PortDetectionTest::cleanup()
{
    m_f.reset();
    m_tree.reset();
}

TFOrdakSetup& PortDetectionTest::open()
{
    // Every message box is answered by the fixture; detection notes are also taken apart here.
    m_f->answers.clear();
    for (int i = 0; i < 8; ++i) {
        m_f->answers.push_back([this](QDialog& dialog) {
            auto* box = qobject_cast<QMessageBox*>(&dialog);
            if (!box)
                return;
            const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            m_notes.append({box->windowTitle(), box->text(), box->informativeText(),
                            label && label->font().bold(), box->icon() == QMessageBox::Information});
            if (QAbstractButton* ok = box->button(QMessageBox::Ok))
                ok->click();
        });
    }
    TFOrdakSetup& w = m_f->open();
    return w;
}

QString PortDetectionTest::status() const
{
    return m_f->find<SimpleStatusBar>("AdvOfficeStatusBar1")->simpleText();
}

QMenu* PortDetectionTest::comPortMenu() const
{
    return m_f->find<QMenu>("mnuComport");
}

QStringList PortDetectionTest::menuCaptions() const
{
    QStringList captions;
    for (const QAction* entry : comPortMenu()->actions())
        captions << entry->text();
    return captions;
}

void PortDetectionTest::startUpPortCheck_data()
{
    QTest::addColumn<QByteArray>("misc");
    QTest::addColumn<bool>("interfaceAttached");
    QTest::addColumn<int>("currentPort");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("warning");

    const QString warning = QStringLiteral("HINWEIS: Es scheint, dass das Tavimoro Interface an COMPort 33 "
                                           "angeschlossen ist (zugewiesen ist aber COMPort 3).");
    QTest::newRow("automatic, interface on COM33")
        << QByteArray("CPort=-1\r\n") << true << 33 << kDetected + " (33)" << QString();
    QTest::newRow("no configuration, interface on COM33")
        << QByteArray() << true << 33 << kDetected + " (33)" << QString();
    QTest::newRow("COM3 stored, interface on COM33")
        << QByteArray("CPort=3\r\n") << true << 3 << kDetected + " (3)" << warning;
    QTest::newRow("COM3 stored, no interface")
        << QByteArray("CPort=3\r\n") << false << 3 << kDetected + " (3)" << QString();
    QTest::newRow("automatic, no interface")
        << QByteArray("CPort=-1\r\n") << false << -1 << kNotDetected << QString();
}

void PortDetectionTest::startUpPortCheck()
{
    QFETCH(QByteArray, misc);
    QFETCH(bool, interfaceAttached);
    QFETCH(int, currentPort);
    QFETCH(QString, status);
    QFETCH(QString, warning);

    m_tree->addUart(2, 4); // COM3
    if (interfaceAttached)
        m_tree->addUsbDevice(interfaceOn("ttyUSB0"));
    if (!misc.isEmpty())
        m_f->writeConfig("[MISC]\r\n" + misc);
    TFOrdakSetup& w = open();

    QCOMPARE(int(w.ports().currentPort()), currentPort);
    QCOMPARE(this->status(), status);
    QVERIFY(m_f->messages.size() == m_notes.size());
    if (warning.isEmpty()) {
        QVERIFY2(m_notes.isEmpty(), qPrintable(m_notes.value(0).content));
    } else {
        QCOMPARE(m_notes.size(), 1);
        QCOMPARE(m_notes[0].content, warning);
        QCOMPARE(m_notes[0].title, kTitle);
        QVERIFY(m_notes[0].boldInstruction);
        QVERIFY(m_notes[0].information);
    }
    QCOMPARE(m_f->find<QComboBox>("ComComboBox")->currentText(),
             currentPort == -1 ? QString() : QStringLiteral("COM%1").arg(currentPort));
}

void PortDetectionTest::secondInterfacePluggedInMovesThePortWithOneNote()
{
    m_tree->addUsbDevice(interfaceOn("ttyUSB0"));
    TFOrdakSetup& w = open();
    QCOMPARE(int(w.ports().currentPort()), 33);

    m_tree->removeUsbDevice("1-2", "ttyUSB0");
    QTRY_COMPARE(m_f->find<QComboBox>("ComComboBox")->findText(QStringLiteral("COM33")), -1);
    SysfsTree::UsbDevice second = interfaceOn("ttyUSB1");
    second.name = "1-3";
    m_tree->addUsbDevice(second);

    QTRY_COMPARE(int(w.ports().currentPort()), 34);
    QCOMPARE(status(), kDetected + " (34)");
    QCOMPARE(m_f->find<QComboBox>("ComComboBox")->currentText(), QStringLiteral("COM34"));
    // Late notifications of the same plugging must not repeat the note.
    QTest::qWait(300);
    QCOMPARE(m_notes.size(), 1);
    QCOMPARE(m_notes[0].instruction, kDetected);
    QCOMPARE(m_notes[0].content, kAttachFirst);
    QCOMPARE(w.ports().lastPortText(), QStringLiteral("COM34"));
}

void PortDetectionTest::removalIsQuiet()
{
    m_tree->addUart(0, 4);
    m_tree->addUsbDevice(interfaceOn("ttyUSB0"));
    TFOrdakSetup& w = open();
    QCOMPARE(int(w.ports().currentPort()), 33);

    m_tree->removeUsbDevice("1-2", "ttyUSB0");
    QTRY_COMPARE(m_f->find<QComboBox>("ComComboBox")->count(), 1);
    QTest::qWait(300);
    QVERIFY(m_notes.isEmpty());
    QVERIFY(m_f->messages.isEmpty());
    QCOMPARE(menuCaptions(), QStringList({kAutoDetect, QStringLiteral("COM1")}));
}

void PortDetectionTest::otherChangeCodesChangeNothing()
{
    m_tree->addUart(0, 4);
    TFOrdakSetup& w = open();
    auto* combo = m_f->find<QComboBox>("ComComboBox");
    auto* notifier = w.findChild<DeviceChangeNotifier*>();
    QVERIFY(notifier);
    // Present in the tree but not yet in the list: only an arrival or a removal would refill it.
    notifier->blockSignals(true);
    m_tree->addUart(1, 4);
    QTest::qWait(300);
    notifier->blockSignals(false);
    const QString statusBefore = status();
    const int countBefore = combo->count();
    QCOMPARE(countBefore, 1);

    emit notifier->deviceChange(0x0007);
    emit notifier->deviceChange(0x8001);
    QCOMPARE(combo->count(), countBefore);
    QCOMPARE(status(), statusBefore);
    QVERIFY(m_notes.isEmpty());

    emit notifier->deviceChange(DeviceChangeNotifier::kDeviceArrival);
    QCOMPARE(combo->count(), 2);
}

void PortDetectionTest::menuListsAutodetectFirstThenThePorts()
{
    for (const int index : {1, 9, 0})
        m_tree->addUart(index, 4);
    open();
    QCOMPARE(menuCaptions(), QStringList({kAutoDetect, QStringLiteral("COM1"), QStringLiteral("COM10"),
                                          QStringLiteral("COM2")}));
    QVERIFY(comPortMenu()->actions().first()->font().bold());
    QVERIFY(!comPortMenu()->actions().at(1)->font().bold());
}

void PortDetectionTest::menuChoiceIsSavedAsCPort_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("saved");

    QTest::newRow("COM5 by hand from automatic") << QByteArray("CPort=-1\r\n") << "COM5"
                                                 << "CPort=5";
    QTest::newRow("AUTODETECT from COM5") << QByteArray("CPort=5\r\n") << kAutoDetect << "CPort=-1";
    QTest::newRow("COM1 by hand from COM5") << QByteArray("CPort=5\r\n") << "COM1"
                                            << "CPort=1";
}

void PortDetectionTest::menuChoiceIsSavedAsCPort()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, choice);
    QFETCH(QString, saved);

    m_tree->addUart(0, 4);
    m_tree->addUart(4, 4);
    m_f->writeConfig("[MISC]\r\n" + stored);
    TFOrdakSetup& w = open();
    QAction* entry = nullptr;
    for (QAction* a : comPortMenu()->actions()) {
        if (a->text() == choice)
            entry = a;
    }
    QVERIFY(entry);
    entry->trigger();
    QVERIFY(w.close());
    const QString config = m_f->readConfig();
    QVERIFY2(config.contains(saved + QStringLiteral("\r\n")), qPrintable(config));
}

void PortDetectionTest::missingHotPlugMonitorIsSaidOnce()
{
    qputenv("TAVIMORO_SYSFS_ROOT", "/nonexistent/sys");
    TFOrdakSetup& w = open();
    // The outcome of the start-up detection stays in front of the note.
    QVERIFY2(status().startsWith(kNotDetected), qPrintable(status()));
    QVERIFY2(status().contains(QStringLiteral("/nonexistent/sys/class/tty")), qPrintable(status()));
    QVERIFY(m_f->messages.isEmpty());
    m_f->find<SimpleStatusBar>("AdvOfficeStatusBar1")->setSimpleText(QStringLiteral("later"));
    w.hide();
    w.show();
    QCOMPARE(status(), QStringLiteral("later"));
}

void PortDetectionTest::sendThroughTheDetectedPortIsAcknowledged()
{
    QTemporaryDir simFolder;
    QProcess simulator;
    simulator.setProcessChannelMode(QProcess::MergedChannels);
    simulator.start(QStringLiteral(TAVIMORO_DEVSIM),
                    {QStringLiteral("--tree"), simFolder.path() + QStringLiteral("/tree")});
    QVERIFY(simulator.waitForStarted());
    QString sysRoot;
    QString devRoot;
    QByteArray output;
    for (int i = 0; i < 50 && (sysRoot.isEmpty() || devRoot.isEmpty()); ++i) {
        simulator.waitForReadyRead(100);
        output += simulator.readAll();
        for (const QByteArray& line : output.split('\n')) {
            if (line.startsWith("TAVIMORO_SYSFS_ROOT=") && output.contains(line + '\n'))
                sysRoot = QString::fromLocal8Bit(line.mid(20));
            if (line.startsWith("TAVIMORO_DEV_ROOT=") && output.contains(line + '\n'))
                devRoot = QString::fromLocal8Bit(line.mid(18));
        }
    }
    QVERIFY2(!sysRoot.isEmpty() && !devRoot.isEmpty(), output.constData());
    qputenv("TAVIMORO_SYSFS_ROOT", sysRoot.toLocal8Bit());
    qputenv("TAVIMORO_DEV_ROOT", devRoot.toLocal8Bit());

    TFOrdakSetup& w = open();
    QCOMPARE(status(), kDetected + " (33)");
    QCOMPARE(int(w.ports().currentPort()), 33);
    QCOMPARE(m_f->find<QComboBox>("ComComboBox")->currentText(), QStringLiteral("COM33"));

    m_f->find<QPushButton>("btnSend")->click();
    auto* monitor = m_f->find<QPlainTextEdit>("moMonitor");
    QTRY_VERIFY_WITH_TIMEOUT(monitor->toPlainText().contains(QStringLiteral("ACK_OK")), 5000);
    QVERIFY(m_f->messages.isEmpty());

    m_f->destroyWindow();
    simulator.terminate();
    QVERIFY(simulator.waitForFinished(5000));
}

QTEST_MAIN(PortDetectionTest)
#include "PortDetectionTest.moc"
