#include "WindowFixture.h"

#include "../support/FileSizeLimit.h"

#include "ui/DecimalField.h"
#include "ui/RadioGroup.h"
#include "ui/SettingsEditor.h"
#include "ui/SpinField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTest>

namespace
{

const QByteArray kWorkedText = "003039000000083008000050FF9C968201001930010400";

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class SettingsFileTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void savedFileLoadsBack();
    void loadsEveryFieldOfAText();
    void loadRespectsTheEditorLimits_data();
    void loadRespectsTheEditorLimits();
    void cancelledLoadChangesNothing();
    void fileWithoutSettingsChangesNothing();
    void saveShowsTheCorrections();
    void saveKeepsOtherSectionsOfTheFile();
    void failedSaveIsReportedAndLosesNothing();
    void fullDiskKeepsTheExistingSettingsFile();
    void nextStartShowsTheLastSettings();

private:
    std::unique_ptr<WindowFixture> m_f;
    QString settingsFolder() const { return m_f->configFolder() + QStringLiteral("/Settings"); }
    void load(const QString& path);
    void save(const QString& path);
};

void SettingsFileTest::init()
{
    m_f = std::make_unique<WindowFixture>();
    m_f->open();
}

void SettingsFileTest::cleanup()
{
    m_f.reset();
}

void SettingsFileTest::load(const QString& path)
{
    m_f->answers.push_back(WindowFixture::chooseFile(path));
    m_f->window().findChild<QAction*>(QStringLiteral("mnuLoad"))->trigger();
}

void SettingsFileTest::save(const QString& path)
{
    m_f->answers.push_back(WindowFixture::chooseFile(path));
    m_f->window().findChild<QAction*>(QStringLiteral("mnuSave"))->trigger();
}

void SettingsFileTest::savedFileLoadsBack()
{
    m_f->find<SpinField>("edOdo1")->setNumber(12345);
    m_f->find<SpinField>("edWheel1")->setNumber(2096);
    m_f->find<SpinField>("edHomeAlt")->setNumber(-100);
    m_f->find<QComboBox>("cboLapMode")->setCurrentIndex(1);
    m_f->find<DecimalField>("edLapDist")->setNumber(2.5);
    m_f->find<QDateTimeEdit>("edLapTime")->setTime(QTime(1, 30));
    m_f->find<RadioGroup>("rgSpeed")->setItemIndex(1);
    m_f->find<RadioGroup>("rgTime")->setItemIndex(1);
    m_f->find<QCheckBox>("chkPCTime")->setChecked(false);

    QString folder;
    QStringList filters;
    m_f->answers.push_back([&](QDialog& dialog) {
        auto* files = qobject_cast<QFileDialog*>(&dialog);
        QVERIFY(files);
        QVERIFY(files->testOption(QFileDialog::DontUseNativeDialog));
        folder = files->directory().absolutePath();
        filters = files->nameFilters();
        QCOMPARE(files->defaultSuffix(), QStringLiteral("dat"));
        files->selectFile(settingsFolder() + QStringLiteral("/mine"));
        static_cast<QDialog*>(files)->accept();
    });
    m_f->window().findChild<QAction*>(QStringLiteral("mnuSave"))->trigger();
    QCOMPARE(folder, settingsFolder());
    QCOMPARE(filters, QStringList{QStringLiteral("Setting Dateien (*.dat)")});
    const QString saved = settingsFolder() + QStringLiteral("/mine.dat");
    QCOMPARE(readFile(saved), QByteArray("[DEVICE]\r\nSettings_ORDAK=") + kWorkedText + "\r\n");

    // Saving again into the same file asks nothing and keeps one key.
    save(saved);
    QCOMPARE(readFile(saved).count("Settings_ORDAK"), 1);

    m_f->find<SpinField>("edOdo1")->setNumber(1);
    m_f->find<SpinField>("edHomeAlt")->setNumber(5);
    m_f->find<RadioGroup>("rgTime")->setItemIndex(0);
    load(saved);
    QCOMPARE(m_f->find<SpinField>("edOdo1")->text(), QStringLiteral("12345"));
    QCOMPARE(m_f->find<SpinField>("edHomeAlt")->text(), QStringLiteral("-100"));
    QCOMPARE(m_f->find<RadioGroup>("rgTime")->itemIndex(), 1);
    QVERIFY(m_f->messages.isEmpty());
}

void SettingsFileTest::loadsEveryFieldOfAText()
{
    const QString path = m_f->configHome() + QStringLiteral("/worked.dat");
    writeFile(path, "[Other]\r\nA=1\r\n[DEVICE]\r\nSettings_ORDAK=" + kWorkedText + "\r\n");
    load(path);
    QCOMPARE(m_f->find<SpinField>("edOdo1")->text(), QStringLiteral("12345"));
    QCOMPARE(m_f->find<SpinField>("edWheel1")->text(), QStringLiteral("2096"));
    QCOMPARE(m_f->find<SpinField>("edWheel2")->text(), QStringLiteral("2048"));
    QCOMPARE(m_f->find<SpinField>("edHomeAlt")->text(), QStringLiteral("-100"));
    QCOMPARE(m_f->find<QComboBox>("cboLapMode")->currentIndex(), 1);
    QCOMPARE(m_f->find<DecimalField>("edLapDist")->text(), QStringLiteral("2.50"));
    QCOMPARE(m_f->find<QDateTimeEdit>("edLapTime")->time(), QTime(1, 30));
    QCOMPARE(m_f->find<RadioGroup>("rgSpeed")->itemIndex(), 1);
    QCOMPARE(m_f->find<RadioGroup>("rgTime")->itemIndex(), 1);
    QCOMPARE(m_f->find<RadioGroup>("rgWeight")->itemIndex(), 1);
    QCOMPARE(m_f->find<RadioGroup>("grpSampleRate")->itemIndex(), 0);
    QCOMPARE(m_f->find<QComboBox>("cboSex")->currentIndex(), 0);
    QVERIFY(!m_f->find<QCheckBox>("chkPCTime")->isChecked());
    QVERIFY(!m_f->window().editor().Timer1().isActive());
    // The lap fields follow the loaded mode.
    QVERIFY(!m_f->find("edLapDist")->isHidden());
    QVERIFY(m_f->find("edLapTime")->isHidden());
}

void SettingsFileTest::loadRespectsTheEditorLimits_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("shown");

    // Weight field 01E6 (486) loads as 485.
    QTest::newRow("weight") << QByteArray("00000000000008520800") + "01E6" + "0000968200001400022001"
                            << "edWeight"
                            << "485";
    QTest::newRow("lower case digits") << QByteArray("00ab12") + "0000000852080000500000968200001400022001"
                                       << "edOdo1"
                                       << "43794";
    QTest::newRow("odo above the editor range")
        << QByteArray("0F4240") + "0000000852080000500000968200001400022001"
        << "edOdo1"
        << "99999";
    QTest::newRow("wheel above the editor range")
        << QByteArray("000000000000") + "FFFF" + "08000050000096820000140002200"
        << "edWheel1"
        << "3999";
}

void SettingsFileTest::loadRespectsTheEditorLimits()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, field);
    QFETCH(QString, shown);

    const QString path = m_f->configHome() + QStringLiteral("/limits.dat");
    writeFile(path, "[DEVICE]\r\nSettings_ORDAK=" + text + "\r\n");
    load(path);
    QCOMPARE(m_f->find<SpinField>(field.toLatin1().constData())->text(), shown);
}

void SettingsFileTest::cancelledLoadChangesNothing()
{
    m_f->find<SpinField>("edOdo1")->setNumber(77);
    m_f->answers.push_back([](QDialog& dialog) { dialog.reject(); });
    m_f->window().findChild<QAction*>(QStringLiteral("mnuLoad"))->trigger();
    QCOMPARE(m_f->find<SpinField>("edOdo1")->text(), QStringLiteral("77"));
    QVERIFY(QFileInfo(settingsFolder()).isDir());
}

void SettingsFileTest::fileWithoutSettingsChangesNothing()
{
    const QString path = m_f->configHome() + QStringLiteral("/empty.dat");
    writeFile(path, "[DEVICE]\r\nOther=1\r\n");
    m_f->find<SpinField>("edOdo1")->setNumber(77);
    load(path);
    QCOMPARE(m_f->find<SpinField>("edOdo1")->text(), QStringLiteral("77"));
    QVERIFY(m_f->messages.isEmpty());
}

void SettingsFileTest::saveShowsTheCorrections()
{
    m_f->find<SpinField>("edHRUpper")->setNumber(20);
    m_f->find<SpinField>("edHRLower")->setNumber(25);
    save(settingsFolder() + QStringLiteral("/hr.dat"));
    QCOMPARE(m_f->find<SpinField>("edHRUpper")->text(), QStringLiteral("25"));
    QCOMPARE(m_f->find<SpinField>("edHRLower")->text(), QStringLiteral("30"));
}

void SettingsFileTest::saveKeepsOtherSectionsOfTheFile()
{
    const QString path = settingsFolder() + QStringLiteral("/shared.dat");
    QDir().mkpath(settingsFolder());
    writeFile(path, "[Notes]\r\nOwner=Me\r\n[DEVICE]\r\nSettings_ORDAK=old\r\n");
    save(path);
    const QByteArray content = readFile(path);
    QVERIFY(content.contains("[Notes]\r\nOwner=Me\r\n"));
    QVERIFY(content.contains("Settings_ORDAK=000000000000085208000050000096820000140002200"));
    QVERIFY(!content.contains("old"));
}

void SettingsFileTest::failedSaveIsReportedAndLosesNothing()
{
    // A file stands where the chosen file's folder should be.
    const QString blocker = m_f->configHome() + QStringLiteral("/blocker");
    writeFile(blocker, "keep");
    m_f->find<SpinField>("edOdo1")->setNumber(321);
    const QString target = blocker + QStringLiteral("/x.dat");
    m_f->answers.push_back([&](QDialog& dialog) {
        auto* files = qobject_cast<QFileDialog*>(&dialog);
        QVERIFY(files);
        // The dialog refuses a folder that does not exist, so the test hands over the path directly.
        files->selectFile(target);
        emit files->fileSelected(target);
        static_cast<QDialog*>(files)->done(QDialog::Accepted);
    });
    m_f->window().findChild<QAction*>(QStringLiteral("mnuSave"))->trigger();
    QCOMPARE(m_f->messages.size(), 1);
    QVERIFY2(m_f->messages.at(0).contains(QStringLiteral("kann nicht geschrieben werden")),
             qPrintable(m_f->messages.at(0)));
    QCOMPARE(readFile(blocker), QByteArray("keep"));
    QCOMPARE(m_f->find<SpinField>("edOdo1")->text(), QStringLiteral("321"));
    // The window goes on and the settings still reach the configuration at close.
    QVERIFY(m_f->window().close());
    QVERIFY(m_f->readConfig().contains(QStringLiteral("Settings_ORDAK=000141")));
}

void SettingsFileTest::fullDiskKeepsTheExistingSettingsFile()
{
    const QString path = m_f->configHome() + QStringLiteral("/kept.dat");
    const QByteArray original = "[Notes]\r\nOwner=Me\r\n[DEVICE]\r\nSettings_ORDAK=" + kWorkedText + "\r\n";
    writeFile(path, original);
    m_f->find<SpinField>("edOdo1")->setNumber(777);
    {
        FileSizeLimit full(16);
        save(path);
    }
    QCOMPARE(m_f->messages, QStringList{QStringLiteral("In %1 kann nicht geschrieben werden").arg(path)});
    QCOMPARE(readFile(path), original);
    QCOMPARE(QDir(m_f->configHome()).entryList(QDir::Files | QDir::Hidden), QStringList{"kept.dat"});
    QCOMPARE(m_f->find<SpinField>("edOdo1")->text(), QStringLiteral("777"));

    // With room again the same save goes through and keeps the file's other keys.
    save(path);
    QCOMPARE(m_f->messages.size(), 1);
    QVERIFY(readFile(path).startsWith("[Notes]\r\nOwner=Me\r\n"));
    QVERIFY(readFile(path).contains("Settings_ORDAK=000309"));
}

void SettingsFileTest::nextStartShowsTheLastSettings()
{
    m_f->find<SpinField>("edOdo1")->setNumber(4711);
    m_f->find<SpinField>("edWeight")->setNumber(90);
    m_f->find<QCheckBox>("chkPCTime")->setChecked(false);
    QVERIFY(m_f->window().close());
    m_f->destroyWindow();
    m_f->open();
    QCOMPARE(m_f->find<SpinField>("edOdo1")->text(), QStringLiteral("4711"));
    QCOMPARE(m_f->find<SpinField>("edWeight")->text(), QStringLiteral("90"));
    QVERIFY(!m_f->find<QCheckBox>("chkPCTime")->isChecked());
    QVERIFY(!m_f->window().editor().Timer1().isActive());
}

QTEST_MAIN(SettingsFileTest)
#include "SettingsFileTest.moc"
