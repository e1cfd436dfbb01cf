#include "WindowFixture.h"

#include "../serial/PtyDevice.h"
#include "i18n/MessageTexts.h"
#include "ui/SpinField.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace
{

// The sysfs entry of a serial UART ttyS0, which the window lists as COM1.
void addUart(const QString& sysRoot)
{
    const QString entry = sysRoot + QStringLiteral("/class/tty/ttyS0");
    QVERIFY(QDir().mkpath(entry + QStringLiteral("/device")));
    QFile type(entry + QStringLiteral("/type"));
    QVERIFY(type.open(QIODevice::WriteOnly));
    type.write("4\n");
}

} // namespace

class SendTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void answeredTransferReportsAckOk();
    void silentDeviceReportsAckError();
    void portThatCannotBeOpenedLeavesTheWindowUsable();
    void noPortInTheListLeavesTheWindowUsable();
    void openErrorSaysWhyInTheWindowsLanguage_data();
    void openErrorSaysWhyInTheWindowsLanguage();

private:
    std::unique_ptr<WindowFixture> m_f;
    std::unique_ptr<PtyDevice> m_device;
    void openWithDevice();
    void waitUntilIdle();
    QStringList monitorLines() const;
};

void SendTest::init()
{
    m_f = std::make_unique<WindowFixture>();
    MessageTexts::setText(MessageTexts::strStrSendingDatas, "Sending Datas...");
}

void SendTest::cleanup()
{
    m_f.reset();
    m_device.reset();
}

void SendTest::openWithDevice()
{
    addUart(m_f->sysRoot());
    m_device = std::make_unique<PtyDevice>(QStringLiteral("ttyS0"));
    QVERIFY(m_device->isReady());
    qputenv("TAVIMORO_DEV_ROOT", m_device->devRoot().toLocal8Bit());
    m_f->open();
    MessageTexts::setText(MessageTexts::strStrSendingDatas, "Sending Datas...");
    QCOMPARE(m_f->find<QComboBox>("ComComboBox")->currentText(), QStringLiteral("COM1"));
}

void SendTest::waitUntilIdle()
{
    QTRY_VERIFY_WITH_TIMEOUT(m_f->find("btnSend")->isEnabled(), 5000);
}

QStringList SendTest::monitorLines() const
{
    return m_f->find<QPlainTextEdit>("moMonitor")->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void SendTest::answeredTransferReportsAckOk()
{
    openWithDevice();
    m_f->find<SpinField>("edOdo1")->setNumber(12345);
    QSignalSpy progress(m_f->find<QProgressBar>("ProgressBar1"), &QProgressBar::valueChanged);
    m_f->find<QPushButton>("btnSend")->click();
    QVERIFY(!m_f->find("btnSend")->isEnabled());
    QVERIFY(!m_f->find("imgDevice")->isEnabled());
    QVERIFY(QApplication::overrideCursor());
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);

    waitUntilIdle();
    QCOMPARE(monitorLines(), (QStringList{QStringLiteral("Sending Datas..."), QStringLiteral("ACK_OK")}));
    QCOMPARE(m_f->find<QLabel>("lbDevLink")->text(), QStringLiteral("    OK"));
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(m_f->find("imgDevice")->isEnabled());
    QTRY_COMPARE(m_f->find<QProgressBar>("ProgressBar1")->value(), 0);
    QList<int> values;
    for (const auto& change : progress)
        values << change.at(0).toInt();
    QCOMPARE(values, (QList<int>{50, 75, 100, 0}));

    QCOMPARE(m_device->frames().size(), 1);
    const QByteArray frame = m_device->frames().constFirst();
    QCOMPARE(frame.size(), 30);
    QCOMPARE(quint8(frame.at(0)), quint8(0x0C));
    QCOMPARE(frame.mid(1, 3), QByteArray("\x39\x30\x00", 3));
    quint8 sum = 0;
    for (int i = 0; i < 29; ++i)
        sum = quint8(sum + quint8(frame.at(i)));
    QCOMPARE(quint8(frame.at(29)), sum);
    QVERIFY(m_f->messages.isEmpty());

    // A second transfer starts with the acknowledgement cleared.
    m_device->setReply(PtyDevice::Reply::Silent);
    m_f->find<QPushButton>("btnSend")->click();
    waitUntilIdle();
    QCOMPARE(monitorLines().constLast(), QStringLiteral("ACK_ERROR"));
}

void SendTest::silentDeviceReportsAckError()
{
    openWithDevice();
    m_device->setReply(PtyDevice::Reply::Silent);
    m_f->find<QPushButton>("btnSend")->click();
    waitUntilIdle();
    QCOMPARE(monitorLines(), (QStringList{QStringLiteral("Sending Datas..."), QStringLiteral("ACK_ERROR")}));
    QCOMPARE(m_f->find<QLabel>("lbDevLink")->text(), QStringLiteral("   Error"));
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(m_device->frames().size(), 1);
    QVERIFY(m_f->messages.isEmpty());
}

void SendTest::portThatCannotBeOpenedLeavesTheWindowUsable()
{
    // COM1 is listed, but no device node answers for it.
    addUart(m_f->sysRoot());
    m_f->open();
    QCOMPARE(m_f->find<QComboBox>("ComComboBox")->currentText(), QStringLiteral("COM1"));
    m_f->find<QPushButton>("btnSend")->click();
    waitUntilIdle();
    QCOMPARE(m_f->messages.size(), 1);
    QVERIFY2(
        m_f->messages.at(0).startsWith(QStringLiteral("COM Port Error: Unable to open com port on COM1")),
        qPrintable(m_f->messages.at(0)));
    QVERIFY(monitorLines().isEmpty());
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(m_f->find("imgDevice")->isEnabled());
    // Closing still saves: the failed transfer left no port open.
    QVERIFY(m_f->window().close());
}

void SendTest::openErrorSaysWhyInTheWindowsLanguage_data()
{
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<QString>("advice");
    QTest::newRow("German")
        << QByteArray()
        << "Das Gerät %1 ist nicht vorhanden: Das Interface ist nicht eingesteckt, oder ein "
           "anderer Treiber hat es belegt.";
    QTest::newRow("English")
        << QByteArray("[MISC]\r\nLanguage=English\r\n")
        << "The device %1 is not there: the interface is unplugged, or another driver has "
           "claimed it.";
}

// The first line is the fixed serial error; the advice after it is the tool's own, in the window's language.
void SendTest::openErrorSaysWhyInTheWindowsLanguage()
{
    QFETCH(QByteArray, config);
    QFETCH(QString, advice);
    if (!config.isEmpty())
        m_f->writeConfig(config);
    addUart(m_f->sysRoot());
    m_f->open();
    m_f->find<QPushButton>("btnSend")->click();
    waitUntilIdle();
    QCOMPARE(m_f->messages, QStringList{"COM Port Error: Unable to open com port on COM1\n" +
                                        advice.arg(m_f->sysRoot() + QStringLiteral("/dev/ttyS0"))});
}

void SendTest::noPortInTheListLeavesTheWindowUsable()
{
    m_f->open();
    QCOMPARE(m_f->find<QComboBox>("ComComboBox")->count(), 0);
    m_f->find<QPushButton>("btnSend")->click();
    waitUntilIdle();
    QCOMPARE(m_f->messages.size(), 1);
    QVERIFY2(m_f->messages.at(0).contains(QStringLiteral("COM1")), qPrintable(m_f->messages.at(0)));
    QVERIFY(!QApplication::overrideCursor());
}

QTEST_MAIN(SendTest)
#include "SendTest.moc"
