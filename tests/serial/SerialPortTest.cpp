#include "PtyDevice.h"
#include "SyscallProbe.h"

#include "base/Error.h"
#include "device/SerialPort.h"

#include <QLoggingCategory>
#include <QSignalSpy>
#include <QTest>

#include <cerrno>
#include <grp.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <termios.h>

Q_DECLARE_METATYPE(SyscallProbe::Step)

namespace
{

const QString kUsbPort = QStringLiteral("COM33"); // ttyUSB0

// The message of the error that action raises; empty when it raises none.
template <typename Action> QString errorOf(Action action)
{
    try {
        action();
    } catch (const TavimoroError& error) {
        return QString::fromStdString(error.what());
    }
    return {};
}

QString openError(SerialPort& port)
{
    return errorOf([&] { port.open(); });
}

QString groupOf(const QString& path)
{
    struct stat info {
    };
    if (::stat(path.toLocal8Bit().constData(), &info) != 0)
        return {};
    const group* entry = ::getgrgid(info.st_gid);
    return entry ? QString::fromLocal8Bit(entry->gr_name) : QString::number(info.st_gid);
}

std::chrono::milliseconds processCpuTime()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return std::chrono::milliseconds((usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000 +
                                     (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000);
}

} // namespace

class SerialPortTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PtyDevice> m_device;

    std::unique_ptr<SerialPort> openedPort(const SyscallProbe& probe = SyscallProbe())
    {
        auto port = std::make_unique<SerialPort>(probe.calls());
        if (!port->setPortName(kUsbPort))
            return nullptr;
        port->open();
        return port;
    }

private slots:
    void init()
    {
        m_device = std::make_unique<PtyDevice>();
        QVERIFY(m_device->isReady());
        qputenv("TAVIMORO_DEV_ROOT", m_device->devRoot().toLocal8Bit());
    }

    void cleanup() { m_device.reset(); }

    void setPortName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("usb") << "COM33" << true;
        QTest::newRow("lower case") << "com1" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("not a COM name") << "LPT1" << false;
        QTest::newRow("outside the map") << "COM200" << false;
    }

    void setPortName()
    {
        QFETCH(QString, name);
        QFETCH(bool, accepted);
        SerialPort port;
        QCOMPARE(port.portName(), QStringLiteral("COM1"));
        QCOMPARE(port.setPortName(name), accepted);
        QCOMPARE(port.portName(), accepted ? name : QStringLiteral("COM1"));
    }

    void openAppliesTheLineSettingsOnAPseudoTerminal()
    {
        // A pseudo-terminal refuses the modem lines with ENOTTY; the port opens all the same.
        auto port = openedPort();
        QVERIFY(port->isOpen());
        QCOMPARE(port->devicePath(), m_device->path());

        termios applied{};
        QCOMPARE(::tcgetattr(m_device->slaveFd(), &applied), 0);
        QCOMPARE(cfgetospeed(&applied), speed_t(B600));
        QCOMPARE(cfgetispeed(&applied), speed_t(B600));
        QCOMPARE(applied.c_cflag & CSIZE, tcflag_t(CS8));
        QCOMPARE(applied.c_cflag & (PARENB | CSTOPB | CRTSCTS), tcflag_t(0));
        QCOMPARE(applied.c_cflag & (CLOCAL | CREAD), tcflag_t(CLOCAL | CREAD));
        QCOMPARE(applied.c_iflag & (IXON | IXOFF | IXANY | INPCK), tcflag_t(0));
        QCOMPARE(applied.c_lflag & (ICANON | ECHO), tcflag_t(0));
        QCOMPARE(applied.c_oflag & OPOST, tcflag_t(0));
        QCOMPARE(int(applied.c_cc[VMIN]), 0);
        QCOMPARE(int(applied.c_cc[VTIME]), 0);
    }

    void openFailures_data()
    {
        QTest::addColumn<SyscallProbe::Step>("step");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("firstLine");
        QTest::addColumn<QString>("secondLine");

        using Step = SyscallProbe::Step;
        const QString open = "COM Port Error: Unable to open com port on COM33";
        const QString state = "COM Port Error: SetCommState function failed on COM33";
        // What follows the group depends on this user's groups; the hint tests cover every variant.
        const QString access = "Access to %PATH% is denied%ANY%";
        const QString busy = "Another program is using %PATH%. Close that program and try again.";
        QTest::newRow("permission denied") << Step::Open << EACCES << open << access;
        QTest::newRow("not permitted") << Step::Open << EPERM << open << access;
        QTest::newRow("busy") << Step::Open << EBUSY << open << busy;
        QTest::newRow("locked by another program") << Step::Lock << EWOULDBLOCK << open << busy;
        QTest::newRow("exclusive mark refused") << Step::Exclusive << EBUSY << open << busy;
        QTest::newRow("no such device") << Step::Open << ENODEV << open
                                        << "The device %PATH% is not there: the interface is unplugged, or "
                                           "another driver has claimed it.";
        QTest::newRow("other open error") << Step::Open << EIO << open << "%PATH%: Input/output error.";
        QTest::newRow("queues") << Step::Flush << EIO << "COM Port Error: SetupComm function failed on COM33"
                                << "Reason: Input/output error.";
        QTest::newRow("not a terminal")
            << Step::GetAttributes << ENOTTY << state << "The device is not a serial port.";
        QTest::newRow("line settings") << Step::LineSettings << EIO << state << "Reason: Input/output error.";
        QTest::newRow("DTR") << Step::Dtr << EIO << state << "Reason: Input/output error.";
        QTest::newRow("RTS") << Step::Rts << EPERM << state << "Reason: Operation not permitted.";
        QTest::newRow("timeouts") << Step::Timeouts << EIO
                                  << "COM Port Error: SetCommTimeouts failed on COM33"
                                  << "Reason: Input/output error.";
    }

    void openFailures()
    {
        QFETCH(SyscallProbe::Step, step);
        QFETCH(int, error);
        QFETCH(QString, firstLine);
        QFETCH(QString, secondLine);
        secondLine.replace("%PATH%", m_device->path()).replace("%GROUP%", groupOf(m_device->path()));

        SyscallProbe probe(step, error);
        SerialPort port(probe.calls());
        QVERIFY(port.setPortName(kUsbPort));
        const QString message = openError(port);
        if (secondLine.endsWith("%ANY%")) {
            secondLine.chop(5);
            QVERIFY2(message.startsWith(firstLine + "\n" + secondLine), qPrintable(message));
            QVERIFY2(message.contains("'" + groupOf(m_device->path()) + "'"), qPrintable(message));
        } else {
            QCOMPARE(message, firstLine + "\n" + secondLine);
        }
        QVERIFY(!port.isOpen());
        QVERIFY(probe.openDescriptors().empty());
        // What the failed opening left behind must not refuse the next one.
        QVERIFY(openedPort());
    }

    void missingNodeIsReportedAndLogged()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("tavimoro.serial.debug=true"));
        const QString path = m_device->devRoot() + "/ttyUSB1";
        QTest::ignoreMessage(QtDebugMsg, qPrintable("CreateFile " + path));
        SerialPort port;
        QVERIFY(port.setPortName(QStringLiteral("COM34")));
        QCOMPARE(openError(port),
                 "COM Port Error: Unable to open com port on COM34\nThe device " + path +
                     " is not there: the interface is unplugged, or another driver has claimed it.");
        QLoggingCategory::setFilterRules(QString());
    }

    void modemLinesMissingOnlyAsEinvalOrEnottyAreTolerated()
    {
        SyscallProbe probe(SyscallProbe::Step::Dtr, EINVAL);
        QVERIFY(openedPort(probe)->isOpen());
    }

    void aSecondOpenerIsRefused()
    {
        auto first = openedPort();
        m_device->sendRaw("\x8C\x8C");
        QTRY_COMPARE(first->bytesWaiting(), 2);
        SerialPort second;
        QVERIFY(second.setPortName(kUsbPort));
        QCOMPARE(openError(second),
                 "COM Port Error: Unable to open com port on COM33\nAnother program is using " +
                     m_device->path() + ". Close that program and try again.");
        QVERIFY(first->isOpen());
        // The refused opener leaves the holder's received bytes alone.
        QCOMPARE(first->bytesWaiting(), 2);

        first->close();
        // The exclusive mark must not outlive the port while the line stays up at the far end.
        int exclusive = -1;
        QCOMPARE(::ioctl(m_device->slaveFd(), TIOCGEXCL, &exclusive), 0);
        QCOMPARE(exclusive, 0);
        QCOMPARE(openError(second), QString());
    }

    void writeReachesTheDevice()
    {
        auto port = openedPort();
        QSignalSpy completed(port.get(), &SerialPort::writeCompleted);
        QSignalSpy failed(port.get(), &SerialPort::writeFailed);
        port->write("\x0C\x01\x02");
        QVERIFY(completed.isEmpty()); // never from inside write()
        QVERIFY(completed.wait(2000));
        QVERIFY(failed.isEmpty());
        QTRY_COMPARE(m_device->pending(), QByteArray("\x0C\x01\x02"));
    }

    void writeFailures_data()
    {
        QTest::addColumn<SyscallProbe::Step>("step");
        QTest::addColumn<QString>("message");
        const QString head = "COM Port Error: WriteFile function failed on COM33\n";
        QTest::newRow("driver error") << SyscallProbe::Step::Write << head + "Reason: Input/output error.";
        QTest::newRow("never drains")
            << SyscallProbe::Step::Drain << head + "The write did not complete within 1200 ms.";
    }

    void writeFailures()
    {
        QFETCH(SyscallProbe::Step, step);
        QFETCH(QString, message);
        SyscallProbe probe(step, EIO);
        auto port = openedPort(probe);
        QSignalSpy completed(port.get(), &SerialPort::writeCompleted);
        QSignalSpy failed(port.get(), &SerialPort::writeFailed);
        port->write("\x0C\x01");
        QVERIFY(failed.wait(3000));
        QCOMPARE(failed.first().first().toString(), message);
        QVERIFY(completed.isEmpty());
        QVERIFY(port->isOpen());
    }

    void writeOnAClosedPortFails()
    {
        SerialPort port;
        QSignalSpy failed(&port, &SerialPort::writeFailed);
        port.write("\x0C");
        QVERIFY(failed.wait(1000));
        QCOMPARE(failed.first().first().toString(),
                 QStringLiteral("COM Port Error: WriteFile function failed on COM1\nThe port is not open."));
    }

    void receivedBytesAreNotifiedAndRead()
    {
        auto port = openedPort();
        QSignalSpy received(port.get(), &SerialPort::OnRxChar);
        char buffer[8] = {};
        QCOMPARE(port->read(buffer, sizeof buffer), 0); // nothing waiting: returns at once

        m_device->sendRaw("\x8C\x01");
        QVERIFY(received.wait(1000));
        QVERIFY(received.first().first().toInt() > 0);
        QTRY_COMPARE(port->bytesWaiting(), 2);
        QCOMPARE(port->read(buffer, sizeof buffer), 2);
        QCOMPARE(QByteArray(buffer, 2), QByteArray("\x8C\x01"));
    }

    void bytesFromBeforeTheOpeningAreDiscarded()
    {
        auto port = openedPort();
        port->close();
        m_device->sendRaw("\x8C");
        QTest::qWait(50);
        port->open();
        QSignalSpy received(port.get(), &SerialPort::OnRxChar);
        QVERIFY(!received.wait(200));
        QCOMPARE(port->bytesWaiting(), 0);
    }

    void aFailedReadEndsTheNotifications()
    {
        SyscallProbe probe(SyscallProbe::Step::Read, EIO);
        auto port = openedPort(probe);
        QSignalSpy received(port.get(), &SerialPort::OnRxChar);
        m_device->sendRaw("\x8C");
        QVERIFY(received.wait(1000));
        char buffer[4] = {};
        QCOMPARE(
            errorOf([&] { port->read(buffer, sizeof buffer); }),
            QStringLiteral("COM Port Error: ReadFile function failed on COM33\nReason: Input/output error."));
        received.clear();
        m_device->sendRaw("\x8C");
        QVERIFY(!received.wait(300));
    }

    void aFailedCountEndsTheNotifications()
    {
        SyscallProbe probe(SyscallProbe::Step::CountWaiting, EIO);
        auto port = openedPort(probe);
        QSignalSpy received(port.get(), &SerialPort::OnRxChar);
        m_device->sendRaw("\x8C");
        QVERIFY(!received.wait(300));
        QCOMPARE(errorOf([&] { port->bytesWaiting(); }),
                 QStringLiteral(
                     "COM Port Error: ClearCommError function failed on COM33\nReason: Input/output error."));
    }

    void aHungUpLineDoesNotSpin()
    {
        auto port = openedPort();
        m_device->hangUp();
        const auto before = processCpuTime();
        QTest::qWait(300);
        QVERIFY2(processCpuTime() - before < std::chrono::milliseconds(150), "busy loop on a hung-up line");
        QVERIFY(port->isOpen());
    }

    void closeNeverThrowsAndReleasesTheDevice()
    {
        SyscallProbe probe(SyscallProbe::Step::None, 0);
        auto port = openedPort(probe);
        QCOMPARE(probe.openDescriptors().size(), std::size_t(1));
        port->close();
        port->close();
        QVERIFY(!port->isOpen());
        QVERIFY(probe.openDescriptors().empty());
    }

    void closeDiscardsAPendingWrite()
    {
        SyscallProbe probe(SyscallProbe::Step::Drain, 0);
        auto port = openedPort(probe);
        QSignalSpy completed(port.get(), &SerialPort::writeCompleted);
        QSignalSpy failed(port.get(), &SerialPort::writeFailed);
        port->write("\x0C");
        QTest::qWait(20);
        port->close();
        QTest::qWait(1300);
        QVERIFY(completed.isEmpty());
        QVERIFY(failed.isEmpty());
    }
};

QTEST_GUILESS_MAIN(SerialPortTest)
#include "SerialPortTest.moc"
