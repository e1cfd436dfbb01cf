// Hundreds of transfers in one run of the window against the device simulator: every one acknowledged, and
// neither descriptors nor memory pile up.
#include "WindowFixture.h"

#include "../serial/DevsimProcess.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cstddef>

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer runtime's count of live heap bytes (its header does not come with every compiler).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace
{

constexpr int kWarmUp = 5;
constexpr int kTransfers = 300;
constexpr long kGrowthLimitKb = 1024;

int openDescriptors()
{
    return int(
        QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size());
}

long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// What may grow: resident memory in a normal build. Under AddressSanitizer resident memory also holds the
// redzones and freed blocks the sanitizer keeps apart, so the allocator's own count of live bytes is taken.
long growingKb()
{
#if defined(__SANITIZE_ADDRESS__)
    return long(__sanitizer_get_current_allocated_bytes() / 1024);
#else
    return residentKb();
#endif
}

} // namespace

class SoakTest : public QObject
{
    Q_OBJECT

private slots:
    void transfersInARowAgainstTheSimulator();
};

void SoakTest::transfersInARowAgainstTheSimulator()
{
    WindowFixture f;
    QTemporaryDir simFolder;
    DevsimProcess simulator({"--tree", (simFolder.path() + QStringLiteral("/tree")).toStdString()});
    for (const char* variable : {"TAVIMORO_SYSFS_ROOT=", "TAVIMORO_DEV_ROOT="}) {
        const std::string line = simulator.readLine();
        QVERIFY2(line.starts_with(variable), line.c_str());
        qputenv(std::string(variable).substr(0, std::string(variable).size() - 1).c_str(),
                QByteArray::fromStdString(line.substr(line.find('=') + 1)));
    }

    f.open();
    auto* send = f.find<QPushButton>("btnSend");
    auto* monitor = f.find<QPlainTextEdit>("moMonitor");
    int frames = 0;
    const auto transfer = [&] {
        const int acknowledged = monitor->toPlainText().count(QStringLiteral("ACK_OK"));
        send->click();
        const bool outcome = QTest::qWaitFor(
            [&] {
                const QString text = monitor->toPlainText();
                return text.count(QStringLiteral("ACK_OK")) > acknowledged || text.contains("ACK_ERROR");
            },
            5000);
        // The simulator logs every frame; reading its log keeps it from blocking on a full pipe.
        ++frames;
        return outcome && QTest::qWaitFor([&] { return send->isEnabled(); }, 2000) &&
               simulator.waitForLine("frame " + std::to_string(frames) + ":");
    };

    for (int i = 0; i < kWarmUp; ++i)
        QVERIFY(transfer());
    const int descriptorsBefore = openDescriptors();
    const long rssBefore = residentKb();
    const long memoryBefore = growingKb();
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < kTransfers; ++i)
        QVERIFY2(transfer(), qPrintable(QStringLiteral("transfer %1").arg(i + 1)));
    const qint64 seconds = clock.elapsed() / 1000;
    const int descriptorsAfter = openDescriptors();
    const long rssAfter = residentKb();
    const long memoryAfter = growingKb();

    const QString text = monitor->toPlainText();
    QCOMPARE(text.count(QStringLiteral("ACK_OK")), kWarmUp + kTransfers);
    QVERIFY(!text.contains(QStringLiteral("ACK_ERROR")));
    QVERIFY2(f.messages.isEmpty(), qPrintable(f.messages.join('\n')));
    qInfo("%d transfers in %lld s; descriptors %d -> %d; VmRSS %ld kB -> %ld kB (%+ld kB); measured %ld kB "
          "-> %ld "
          "kB (%+ld kB)",
          kTransfers, seconds, descriptorsBefore, descriptorsAfter, rssBefore, rssAfter, rssAfter - rssBefore,
          memoryBefore, memoryAfter, memoryAfter - memoryBefore);
    QCOMPARE(descriptorsAfter, descriptorsBefore);
    QVERIFY(rssBefore > 0 && memoryBefore > 0);
    QVERIFY2(memoryAfter - memoryBefore < kGrowthLimitKb,
             qPrintable(QString::number(memoryAfter - memoryBefore)));

    f.destroyWindow();
    QCOMPARE(simulator.stop(), 0);
}

QTEST_MAIN(SoakTest)
#include "SoakTest.moc"
