#include "DevsimProcess.h"
#include "PtyDevice.h"
#include "SyscallProbe.h"

#include "device/SerialPort.h"
#include "device/Transfer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <chrono>
#include <sys/resource.h>

Q_DECLARE_METATYPE(PtyDevice::Reply)

namespace
{

const QString kSendingDatas = QStringLiteral("Sending Datas...");

// Defaults with the clock at 2013-05-17 09:07.
const QByteArray kFrame = QByteArray::fromHex("0C000000000000520800085000000096820709170513001400000220004B");

QList<QVariant> values(const QSignalSpy& spy)
{
    QList<QVariant> list;
    for (const auto& arguments : spy)
        list.append(arguments.value(0));
    return list;
}

QStringList strings(const QSignalSpy& spy)
{
    QStringList list;
    for (const auto& value : values(spy))
        list.append(value.toString());
    return list;
}

// A transfer and everything it reports.
struct Run {
    explicit Run(SerialPort* port = new SerialPort)
        : transfer(
              port, [this] { ++builds; }, [] { return kFrame; }),
          progress(&transfer, &Transfer::progressChanged), monitor(&transfer, &Transfer::monitorLine),
          captions(&transfer, &Transfer::linkStatusChanged), busy(&transfer, &Transfer::busyChanged),
          beeps(&transfer, &Transfer::beepRequested), failures(&transfer, &Transfer::failed)
    {
    }

    // Sends and returns once the transfer is idle again, with the time it took.
    qint64 sendAndWait(const QString& portName)
    {
        QElapsedTimer clock;
        clock.start();
        transfer.send(portName, kSendingDatas);
        if (!QTest::qWaitFor([this] { return !transfer.isBusy(); }, 5000))
            return -1;
        const qint64 elapsed = clock.elapsed();
        QTest::qWait(80); // lets the last progress step through
        return elapsed;
    }

    int builds = 0;
    Transfer transfer;
    QSignalSpy progress, monitor, captions, busy, beeps, failures;
};

std::chrono::milliseconds processCpuTime()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return std::chrono::milliseconds((usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000 +
                                     (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000);
}

} // namespace

class TransferTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PtyDevice> m_device;

    void useDevice(const QString& node)
    {
        m_device = std::make_unique<PtyDevice>(node);
        QVERIFY(m_device->isReady());
        qputenv("TAVIMORO_DEV_ROOT", m_device->devRoot().toLocal8Bit());
    }

private slots:
    void init() { useDevice(QStringLiteral("ttyUSB0")); }
    void cleanup() { m_device.reset(); }

    void replies_data()
    {
        QTest::addColumn<PtyDevice::Reply>("reply");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<QString>("caption");

        QTest::newRow("acknowledged") << PtyDevice::Reply::Ack << "ACK_OK" << 1 << "    OK";
        QTest::newRow("acknowledged in two chunks") << PtyDevice::Reply::Twice << "ACK_OK" << 2 << "    OK";
        QTest::newRow("acknowledged late in the window")
            << PtyDevice::Reply::After700ms << "ACK_OK" << 1 << "    OK";
        QTest::newRow("0x8C not first") << PtyDevice::Reply::Wrong << "ACK_ERROR" << 0 << "   Error";
        QTest::newRow("silent") << PtyDevice::Reply::Silent << "ACK_ERROR" << 0 << "   Error";
        QTest::newRow("after the window") << PtyDevice::Reply::After1500ms << "ACK_ERROR" << 0 << "   Error";
    }

    void replies()
    {
        QFETCH(PtyDevice::Reply, reply);
        QFETCH(QString, outcome);
        QFETCH(int, beeps);
        QFETCH(QString, caption);
        m_device->setReply(reply);

        Run run;
        const qint64 elapsed = run.sendAndWait(QStringLiteral("COM33"));
        QVERIFY(elapsed >= 0);
        // The reply window: the 100 ms pause after the write plus the 800 ms timer.
        QVERIFY2(elapsed >= 880 && elapsed < 2000, qPrintable(QString::number(elapsed)));

        QCOMPARE(m_device->frames(), QList<QByteArray>{kFrame});
        QCOMPARE(strings(run.monitor), (QStringList{kSendingDatas, outcome}));
        QCOMPARE(run.beeps.count(), beeps);
        QCOMPARE(strings(run.captions), (QStringList{QStringLiteral("Sending"), caption}));
        QCOMPARE(values(run.progress), (QList<QVariant>{0, 50, 75, 100, 0}));
        QCOMPARE(values(run.busy), (QList<QVariant>{true, false}));
        QVERIFY(run.failures.isEmpty());
        QVERIFY(!run.transfer.ComPort1().isOpen());
        QCOMPARE(run.builds, 1);

        // What comes after the window is lost with the closed port.
        QTest::qWait(reply == PtyDevice::Reply::After1500ms ? 700 : 100);
        QCOMPARE(run.monitor.count(), 2);
        QCOMPARE(run.beeps.count(), beeps);
    }

    void aSecondTransferStartsUnacknowledged()
    {
        Run run;
        QVERIFY(run.sendAndWait(QStringLiteral("COM33")) >= 0);
        m_device->setReply(PtyDevice::Reply::Silent);
        QVERIFY(run.sendAndWait(QStringLiteral("COM33")) >= 0);

        QCOMPARE(strings(run.monitor), (QStringList{kSendingDatas, "ACK_OK", kSendingDatas, "ACK_ERROR"}));
        QCOMPARE(strings(run.captions), (QStringList{"Sending", "    OK", "Sending", "   Error"}));
        QCOMPARE(m_device->frames().size(), 2);
        QCOMPARE(run.builds, 2);
    }

    void anUnknownPortNameFallsBackToCom1_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("nothing selected") << "";
        QTest::newRow("not a COM name") << "(none)";
        QTest::newRow("outside the map") << "COM200";
    }

    void anUnknownPortNameFallsBackToCom1()
    {
        QFETCH(QString, name);
        useDevice(QStringLiteral("ttyS0"));
        Run run;
        QVERIFY(run.sendAndWait(name) >= 0);
        QCOMPARE(run.transfer.ComPort1().portName(), QStringLiteral("COM1"));
        QCOMPARE(m_device->frames(), QList<QByteArray>{kFrame});
        QCOMPARE(strings(run.monitor), (QStringList{kSendingDatas, "ACK_OK"}));
    }

    void aPortThatCannotBeOpenedReturnsToIdle()
    {
        Run run;
        QVERIFY(run.sendAndWait(QStringLiteral("COM34")) >= 0);
        QCOMPARE(strings(run.failures),
                 QStringList{
                     "COM Port Error: Unable to open com port on COM34\nThe device " + m_device->devRoot() +
                     "/ttyUSB1 is not there: the interface is unplugged, or another driver has claimed it."});
        QVERIFY(run.monitor.isEmpty());
        QVERIFY(run.captions.isEmpty());
        QCOMPARE(values(run.progress), (QList<QVariant>{0, 50}));
        QCOMPARE(values(run.busy), (QList<QVariant>{true, false}));
        QVERIFY(!run.transfer.ComPort1().isOpen());

        // The window stays usable: the next transfer goes through.
        QVERIFY(run.sendAndWait(QStringLiteral("COM33")) >= 0);
        QCOMPARE(strings(run.monitor), (QStringList{kSendingDatas, "ACK_OK"}));
    }

    void aFailedWriteReturnsToIdle()
    {
        SyscallProbe probe(SyscallProbe::Step::Write, EIO);
        Run run(new SerialPort(probe.calls()));
        QVERIFY(run.sendAndWait(QStringLiteral("COM33")) >= 0);
        QCOMPARE(
            strings(run.failures),
            QStringList{"COM Port Error: WriteFile function failed on COM33\nReason: Input/output error."});
        QCOMPARE(values(run.busy), (QList<QVariant>{true, false}));
        QVERIFY(!run.transfer.ComPort1().isOpen());
        QVERIFY(probe.openDescriptors().empty());

        // No reply window was started: no outcome follows later.
        QTest::qWait(1000);
        QCOMPARE(strings(run.monitor), QStringList{kSendingDatas});
        QVERIFY(m_device->frames().isEmpty());
    }

    void theDeviceDisappears_data()
    {
        QTest::addColumn<bool>("afterTheFrame");
        QTest::addColumn<QStringList>("monitor");
        QTest::addColumn<QString>("failure");
        QTest::newRow("during the reply window")
            << true << QStringList{kSendingDatas, "ACK_ERROR"} << QString();
        QTest::newRow("before the frame is written")
            << false << QStringList{kSendingDatas}
            << "COM Port Error: WriteFile function failed on COM33\nReason: Input/output error.";
    }

    // Unplugged: the far end of the line closes and the node goes.
    void theDeviceDisappears()
    {
        QFETCH(bool, afterTheFrame);
        QFETCH(QStringList, monitor);
        QFETCH(QString, failure);
        m_device->setReply(PtyDevice::Reply::After700ms);
        Run run;
        run.transfer.send(QStringLiteral("COM33"), kSendingDatas);
        if (afterTheFrame)
            QTRY_COMPARE(m_device->frames().size(), 1);
        m_device->hangUp();
        QFile::remove(m_device->path());
        const auto cpuBefore = processCpuTime();
        QVERIFY(QTest::qWaitFor([&] { return !run.transfer.isBusy(); }, 5000));
        QTest::qWait(300);
        QVERIFY2(processCpuTime() - cpuBefore < std::chrono::milliseconds(300),
                 "busy loop on a vanished device");

        QCOMPARE(strings(run.monitor), monitor);
        QCOMPARE(strings(run.failures), failure.isEmpty() ? QStringList() : QStringList{failure});
        QCOMPARE(values(run.busy), (QList<QVariant>{true, false}));
        QVERIFY(!run.transfer.ComPort1().isOpen());

        // Plugged in again, the next transfer goes through.
        useDevice(QStringLiteral("ttyUSB0"));
        run.monitor.clear();
        QVERIFY(run.sendAndWait(QStringLiteral("COM33")) >= 0);
        QCOMPARE(strings(run.monitor), (QStringList{kSendingDatas, "ACK_OK"}));
    }

    void sendIsIgnoredWhileATransferIsUnderWay()
    {
        Run run;
        run.transfer.send(QStringLiteral("COM33"), kSendingDatas);
        QVERIFY(run.transfer.isBusy());
        run.transfer.send(QStringLiteral("COM33"), kSendingDatas);
        QVERIFY(QTest::qWaitFor([&] { return !run.transfer.isBusy(); }, 5000));
        QCOMPARE(run.builds, 1);
        QCOMPARE(m_device->frames().size(), 1);
        QCOMPARE(strings(run.monitor), (QStringList{kSendingDatas, "ACK_OK"}));
    }

    void twoTransfersAgainstTheDeviceSimulator()
    {
        QTemporaryDir tree;
        DevsimProcess simulator({"--tree", tree.path().toStdString(), "--reply", "twice"});
        QVERIFY(!simulator.readLine().empty());
        const std::string devRoot = simulator.readLine();
        QVERIFY(devRoot.starts_with("TAVIMORO_DEV_ROOT="));
        qputenv("TAVIMORO_DEV_ROOT", QByteArray::fromStdString(devRoot.substr(devRoot.find('=') + 1)));

        Run run;
        QVERIFY(run.sendAndWait(QStringLiteral("COM33")) >= 0);
        QVERIFY(run.sendAndWait(QStringLiteral("COM33")) >= 0);
        QVERIFY(run.failures.isEmpty());
        QCOMPARE(strings(run.monitor), (QStringList{kSendingDatas, "ACK_OK", kSendingDatas, "ACK_OK"}));
        QCOMPARE(run.beeps.count(), 4);
        QVERIFY(simulator.waitForLine("frame 2: "));
    }
};

QTEST_GUILESS_MAIN(TransferTest)
#include "TransferTest.moc"
