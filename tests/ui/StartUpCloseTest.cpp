#include "WindowFixture.h"

#include "../support/FileSizeLimit.h"

#include "detect/PortDiscovery.h"

#include "i18n/MessageTexts.h"
#include "ui/DecimalField.h"
#include "ui/RadioGroup.h"
#include "ui/SettingsEditor.h"
#include "ui/SpinField.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>

class StartUpCloseTest : public QObject
{
    Q_OBJECT

private slots:
    void firstStartShowsDefaults();
    void captionUsesPointOnEveryLocale();
    void captionFollowsTranslatedText();
    void closeWritesConfigurationAndSettings();
    void everyWayOfClosingSaves_data();
    void everyWayOfClosingSaves();
    void readsStoredConfiguration_data();
    void readsStoredConfiguration();
    void unwritableConfigurationKeepsWindowOpenOnNo();
    void unwritableConfigurationClosesOnYes();
    void fullDiskAtCloseKeepsTheStoredConfiguration();
    void accessibleNamesAndActions();
};

void StartUpCloseTest::firstStartShowsDefaults()
{
    WindowFixture f;
    TFOrdakSetup& w = f.open();

    QCOMPARE(w.frameGeometry().size(), QSize(628, 503));
    QVERIFY(w.minimumSize() == w.maximumSize());
    QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(w.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(f.find("dtpTime")->hasFocus());
    QVERIFY(!w.StartingUp);
    QVERIFY(w.ports().autoDetect());
    QCOMPARE(w.ports().currentPort(), -1);
    QCOMPARE(w.LayoutStyle, 7);
    QCOMPARE(w.GetLanguageName(), QStringLiteral("German"));
    QCOMPARE(QString::fromStdString(w.ConfigFile), f.configFile());
    QVERIFY(QFileInfo(f.configFolder()).isDir());
    QVERIFY(!QFileInfo::exists(f.configFile()));

    QCOMPARE(f.find<SpinField>("edOdo1")->text(), QStringLiteral("0"));
    QCOMPARE(f.find<SpinField>("edWheel1")->text(), QStringLiteral("2130"));
    QCOMPARE(f.find<SpinField>("edOdo2")->text(), QStringLiteral("0"));
    QCOMPARE(f.find<SpinField>("edWheel2")->text(), QStringLiteral("2048"));
    QCOMPARE(f.find<SpinField>("edWeight")->text(), QStringLiteral("80"));
    QCOMPARE(f.find<SpinField>("edHomeAlt")->text(), QStringLiteral("0"));
    QCOMPARE(f.find<SpinField>("edHRUpper")->text(), QStringLiteral("150"));
    QCOMPARE(f.find<SpinField>("edHRLower")->text(), QStringLiteral("130"));
    QCOMPARE(f.find<DecimalField>("edLapDist")->text(), QStringLiteral("2.00"));
    QCOMPARE(f.find<QDateTimeEdit>("edLapTime")->time(), QTime(2, 0));
    QCOMPARE(f.find<QDateTimeEdit>("edLapTime")->displayFormat(), QStringLiteral("HH:mm"));
    QCOMPARE(f.find<QComboBox>("cboLapMode")->currentIndex(), 0);
    QCOMPARE(f.find<QComboBox>("cboSex")->currentIndex(), 0);
    QCOMPARE(f.find<RadioGroup>("rgSpeed")->itemIndex(), 0);
    QCOMPARE(f.find<RadioGroup>("rgTime")->itemIndex(), 0);
    QCOMPARE(f.find<RadioGroup>("grpSampleRate")->itemIndex(), 2);
    QVERIFY(f.find<QCheckBox>("chkPCTime")->isChecked());
    QVERIFY(w.editor().Timer1().isActive());
    QCOMPARE(w.editor().Timer1().interval(), 1000);
    QVERIFY(!w.findChild<QTimer*>(QStringLiteral("tmSetStatusText"))->isActive());
    const QTime shown = f.find<QDateTimeEdit>("dtpTime")->time();
    QVERIFY(qAbs(shown.secsTo(QTime::currentTime())) <= 2);
    QCOMPARE(f.find<QDateTimeEdit>("dtpDate")->date(), QDate::currentDate());

    // As shipped: three groups to edit, the others hidden.
    for (const char* name : {"grpTime", "grpBike1", "grpUnits", "btnSend", "btnClose", "moMonitor"})
        QVERIFY2(f.find(name)->isVisible(), name);
    for (const char* name :
         {"grpPerson", "grpBike2", "grpStopWatch", "grpHRLimits", "grpSampleRate", "grpAlt", "ComComboBox",
          "btnDelete", "lbDevLink", "lblDev1", "dtpDate", "rgWeight", "btnUnits"})
        QVERIFY2(!f.find(name)->isVisible(), name);
    for (const char* name : {"grpPerson", "grpBike2", "grpStopWatch", "grpHRLimits", "btnDelete"})
        QVERIFY2(!f.find(name)->isEnabled(), name);
    // Every visible control lies inside the fixed window.
    for (QWidget* child : w.findChildren<QWidget*>()) {
        if (!child->isVisible() || child->isWindow())
            continue;
        const QRect inWindow(child->mapTo(&w, QPoint(0, 0)), child->size());
        QVERIFY2(w.rect().contains(inWindow), qPrintable(child->objectName()));
    }
    QVERIFY(f.messages.isEmpty());
}

void StartUpCloseTest::captionUsesPointOnEveryLocale()
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    WindowFixture f;
    TFOrdakSetup& w = f.open();
    QLocale::setDefault(previous);
    // The built-in German tool caption, with a point although the locale writes a comma.
    QCOMPARE(w.windowTitle(), QStringLiteral("Tavimoro Einstellungswerkzeug (Vers. 1.00)"));
}

void StartUpCloseTest::captionFollowsTranslatedText()
{
    WindowFixture f;
    TFOrdakSetup& w = f.open();
    MessageTexts::setText(MessageTexts::strTOOLCAPTION, "Tavimoro Einstellungswerkzeug");
    w.composeCaption();
    QCOMPARE(w.windowTitle(), QStringLiteral("Tavimoro Einstellungswerkzeug (Vers. 1.00)"));
}

void StartUpCloseTest::closeWritesConfigurationAndSettings()
{
    WindowFixture f;
    TFOrdakSetup& w = f.open();
    QVERIFY(w.close());
    const QString config = f.readConfig();
    QVERIFY2(config.contains(QStringLiteral("[MISC]\r\nCPort=-1\r\nLayout=7\r\nLanguage=German\r\n")),
             qPrintable(config));
    QVERIFY2(config.contains(
                 QStringLiteral("[DEVICE]\r\nSettings_ORDAK=0000000000000852080000500000968200001400022001")),
             qPrintable(config));
    QVERIFY(config.indexOf(QStringLiteral("[MISC]")) < config.indexOf(QStringLiteral("[DEVICE]")));
    QVERIFY(f.messages.isEmpty());
}

void StartUpCloseTest::everyWayOfClosingSaves_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("close button") << QStringLiteral("btnClose");
    QTest::newRow("File Exit") << QStringLiteral("mnuExit");
    QTest::newRow("close box") << QStringLiteral("window");
}

void StartUpCloseTest::everyWayOfClosingSaves()
{
    QFETCH(QString, way);
    WindowFixture f;
    TFOrdakSetup& w = f.open();
    f.find<SpinField>("edOdo1")->setNumber(4711);
    if (way == QLatin1String("btnClose"))
        f.find<QPushButton>("btnClose")->click();
    else if (way == QLatin1String("mnuExit"))
        w.findChild<QAction*>(QStringLiteral("mnuExit"))->trigger();
    else
        w.close();
    QVERIFY(!w.isVisible());
    QVERIFY(f.readConfig().contains(QStringLiteral("Settings_ORDAK=001267")));
}

void StartUpCloseTest::readsStoredConfiguration_data()
{
    QTest::addColumn<QByteArray>("misc");
    QTest::addColumn<int>("port");
    QTest::addColumn<bool>("autoDetect");
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("savedPort");

    QTest::newRow("fixed port") << QByteArray("CPort=3\r\n") << 3 << false << 7 << "German"
                                << "CPort=3";
    QTest::newRow("65535 is automatic") << QByteArray("CPort=65535\r\n") << -1 << true << 7 << "German"
                                        << "CPort=-1";
    QTest::newRow("hexadecimal port") << QByteArray("CPort=0x5\r\n") << 5 << false << 7 << "German"
                                      << "CPort=5";
    QTest::newRow("port not a number") << QByteArray("CPort=COM4\r\n") << -1 << true << 7 << "German"
                                       << "CPort=-1";
    QTest::newRow("layout low byte") << QByteArray("Layout=263\r\n") << -1 << true << 7 << "German"
                                     << "CPort=-1";
    QTest::newRow("layout") << QByteArray("Layout=$3\r\n") << -1 << true << 3 << "German"
                            << "CPort=-1";
    QTest::newRow("English") << QByteArray("Language=English\r\n") << -1 << true << 7 << "English"
                             << "CPort=-1";
    QTest::newRow("unknown language") << QByteArray("Language=Klingon\r\n") << -1 << true << 7 << "English"
                                      << "CPort=-1";
}

void StartUpCloseTest::readsStoredConfiguration()
{
    QFETCH(QByteArray, misc);
    QFETCH(int, port);
    QFETCH(bool, autoDetect);
    QFETCH(int, layout);
    QFETCH(QString, language);
    QFETCH(QString, savedPort);

    WindowFixture f;
    f.writeConfig("[misc]\r\n" + misc + "[Other]\r\nKeep=1\r\n");
    TFOrdakSetup& w = f.open();
    QCOMPARE(int(w.ports().currentPort()), port);
    QCOMPARE(w.ports().autoDetect(), autoDetect);
    QCOMPARE(int(w.LayoutStyle), layout);
    QCOMPARE(w.GetLanguageName(), language);
    QVERIFY(w.close());
    const QString config = f.readConfig();
    QVERIFY2(config.contains(savedPort + QStringLiteral("\r\n")), qPrintable(config));
    QVERIFY(config.contains(QStringLiteral("Language=") + language));
    QVERIFY(config.contains(QStringLiteral("[Other]\r\nKeep=1")));
}

namespace
{

// A file where the configuration folder should be: nothing under it can be created or written.
void blockConfigFolder(const WindowFixture& f)
{
    QDir().mkpath(f.configHome() + QStringLiteral("/Nelvo"));
    QFile blocker(f.configFolder());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
}

} // namespace

void StartUpCloseTest::unwritableConfigurationKeepsWindowOpenOnNo()
{
    WindowFixture f;
    blockConfigFolder(f);
    TFOrdakSetup& w = f.open();
    QVERIFY(f.messages.isEmpty());
    f.answers.push_back(WindowFixture::clickButton(QMessageBox::Ok));
    f.answers.push_back(WindowFixture::clickButton(QMessageBox::No));
    QVERIFY(!w.close());
    QVERIFY(w.isVisible());
    QCOMPARE(f.messages.size(), 2);
    QCOMPARE(f.messages.at(0), QStringLiteral("In %1 kann nicht geschrieben werden").arg(f.configFile()));
    // The window still works and tries again on the next close.
    f.answers.push_back(WindowFixture::clickButton(QMessageBox::Ok));
    f.answers.push_back(WindowFixture::clickButton(QMessageBox::No));
    QVERIFY(!w.close());
    QCOMPARE(f.messages.size(), 4);
}

void StartUpCloseTest::unwritableConfigurationClosesOnYes()
{
    WindowFixture f;
    blockConfigFolder(f);
    TFOrdakSetup& w = f.open();
    f.answers.push_back(WindowFixture::clickButton(QMessageBox::Ok));
    f.answers.push_back(WindowFixture::clickButton(QMessageBox::Yes));
    QVERIFY(w.close());
    QVERIFY(!w.isVisible());
    QCOMPARE(f.messages.size(), 2);
}

// A disk that fills up while the configuration is saved: the stored file stays as it was, byte for byte.
void StartUpCloseTest::fullDiskAtCloseKeepsTheStoredConfiguration()
{
    WindowFixture f;
    f.open();
    f.find<SpinField>("edOdo1")->setNumber(1111);
    QVERIFY(f.window().close());
    f.destroyWindow();
    QFile stored(f.configFile());
    QVERIFY(stored.open(QIODevice::ReadOnly));
    const QByteArray before = stored.readAll();
    stored.close();
    QVERIFY(before.contains("Settings_ORDAK=000457"));

    TFOrdakSetup& w = f.open();
    f.find<SpinField>("edOdo1")->setNumber(4711);
    {
        FileSizeLimit full(16);
        f.answers.push_back(WindowFixture::clickButton(QMessageBox::Ok));
        f.answers.push_back(WindowFixture::clickButton(QMessageBox::No));
        QVERIFY(!w.close());
    }
    QVERIFY(w.isVisible());
    QCOMPARE(f.messages.value(0), QStringLiteral("In %1 kann nicht geschrieben werden").arg(f.configFile()));
    QVERIFY(stored.open(QIODevice::ReadOnly));
    QCOMPARE(stored.readAll(), before);
    stored.close();
    QCOMPARE(QDir(f.configFolder()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("Tavimoro_SetupTool.ini")});

    // With room again, the window that stayed open saves what it shows.
    f.find<SpinField>("edOdo1")->setNumber(4712);
    QVERIFY(w.close());
    QVERIFY(f.readConfig().contains(QStringLiteral("Settings_ORDAK=001268")));
}

void StartUpCloseTest::accessibleNamesAndActions()
{
    WindowFixture f;
    TFOrdakSetup& w = f.open();
    QCOMPARE(f.find("edOdo1")->accessibleName(), QStringLiteral("Odo"));
    QCOMPARE(f.find("edWheel1")->accessibleName(), f.find<QLabel>("lblWSize1")->text());
    // Radio groups nested in a group box are announced with their own caption, not the outer one.
    QCOMPARE(QAccessible::queryAccessibleInterface(f.find("rgSpeed"))->text(QAccessible::Name),
             QStringLiteral("Geschwindigkeit"));
    QCOMPARE(QAccessible::queryAccessibleInterface(f.find("rgTime"))->text(QAccessible::Name),
             QStringLiteral("Zeit"));
    for (QWidget* child : w.findChildren<QWidget*>()) {
        if (!child->isVisible() || child->focusPolicy() == Qt::NoFocus || child->isWindow())
            continue;
        if (child->focusProxy() || qobject_cast<QLineEdit*>(child))
            continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(child);
        QVERIFY(face);
        QVERIFY2(!face->text(QAccessible::Name).isEmpty(), qPrintable(child->objectName()));
    }
    QSignalSpy clicked(f.find<QPushButton>("btnClose"), &QPushButton::clicked);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(f.find("btnClose"));
    QVERIFY(face->actionInterface());
    QVERIFY(face->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(clicked.count(), 1);
}

QTEST_MAIN(StartUpCloseTest)
#include "StartUpCloseTest.moc"
