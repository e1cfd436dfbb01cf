#include "WindowFixture.h"

#include "ui/DecimalField.h"
#include "ui/Pictures.h"
#include "ui/RadioGroup.h"
#include "ui/SettingsEditor.h"
#include "ui/SpinField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

class EditorRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void typingIsCutBack_data();
    void typingIsCutBack();
    void stepsAreCutBack_data();
    void stepsAreCutBack();
    void decimalSeparatorTypedTwice();
    void odometerMenu_data();
    void odometerMenu();
    void doubleClickResetsOdometer();
    void wheelPresetGoesToTheClickedButtonsField_data();
    void wheelPresetGoesToTheClickedButtonsField();
    void wheelPresetByMouseInTheMenu();
    void handChangedTimeUnticksPcTime();
    void programChangesNeverUntick();
    void heartRateOrderOnLeaving_data();
    void heartRateOrderOnLeaving();
    void lapTimeLimit_data();
    void lapTimeLimit();
    void lapModeShowsItsField_data();
    void lapModeShowsItsField();
    void unitsToggle();
    void sexPicture();
    void enterMovesFocus_data();
    void enterMovesFocus();
    void enterStaysInMemo();

private:
    std::unique_ptr<WindowFixture> m_f;
    void typeInto(QWidget* field, const QString& keys);
    void leave();
};

void EditorRulesTest::init()
{
    m_f = std::make_unique<WindowFixture>();
    m_f->open();
}

void EditorRulesTest::cleanup()
{
    m_f.reset();
}

void EditorRulesTest::typeInto(QWidget* field, const QString& keys)
{
    m_f->reveal(field);
    field->setFocus();
    QVERIFY(field->hasFocus());
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(field))
        spin->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    if (!keys.isEmpty())
        QTest::keyClicks(QApplication::focusWidget(), keys);
}

void EditorRulesTest::leave()
{
    m_f->find("dtpTime")->setFocus();
    QVERIFY(m_f->find("dtpTime")->hasFocus());
}

void EditorRulesTest::typingIsCutBack_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("whileTyping");
    QTest::addColumn<QString>("afterLeaving");

    QTest::newRow("sixth digit") << "edOdo1"
                                 << "123456"
                                 << "99999"
                                 << "99999";
    QTest::newRow("five digits") << "edOdo1"
                                 << "12345"
                                 << "12345"
                                 << "12345";
    QTest::newRow("emptied odo") << "edOdo1"
                                 << ""
                                 << "0"
                                 << "0";
    QTest::newRow("letters refused") << "edOdo1"
                                     << "1a2b"
                                     << "12"
                                     << "12";
    QTest::newRow("plus sign") << "edWheel1"
                               << "+26"
                               << "26"
                               << "26";
    QTest::newRow("wheel above range") << "edWheel1"
                                       << "4000"
                                       << "3999"
                                       << "3999";
    QTest::newRow("weight above range") << "edWeight"
                                        << "500"
                                        << "500"
                                        << "485";
    QTest::newRow("emptied weight") << "edWeight"
                                    << ""
                                    << ""
                                    << "1";
    QTest::newRow("weight zero") << "edWeight"
                                 << "0"
                                 << "0"
                                 << "1";
    QTest::newRow("altitude below range") << "edHomeAlt"
                                          << "-500"
                                          << "-500"
                                          << "-381";
    QTest::newRow("altitude sign alone") << "edHomeAlt"
                                         << "-"
                                         << "-"
                                         << "-381";
    QTest::newRow("heart rate above range") << "edHRUpper"
                                            << "300"
                                            << "240"
                                            << "240";
    QTest::newRow("lap distance above range") << "edLapDist"
                                              << "150"
                                              << "150"
                                              << "99.90";
    QTest::newRow("lap distance fraction") << "edLapDist"
                                           << "2.5"
                                           << "2.5"
                                           << "2.50";
    QTest::newRow("lap distance exponent") << "edLapDist"
                                           << "1e1"
                                           << "1e1"
                                           << "10.00";
    QTest::newRow("lap distance two exponents") << "edLapDist"
                                                << "1e1e"
                                                << "1e1"
                                                << "10.00";
    QTest::newRow("emptied lap distance") << "edLapDist"
                                          << ""
                                          << ""
                                          << "0.00";
}

void EditorRulesTest::typingIsCutBack()
{
    QFETCH(QString, field);
    QFETCH(QString, keys);
    QFETCH(QString, whileTyping);
    QFETCH(QString, afterLeaving);

    auto* spin = m_f->find<QAbstractSpinBox>(field.toLatin1().constData());
    typeInto(spin, keys);
    QCOMPARE(spin->text(), whileTyping);
    leave();
    QCOMPARE(spin->text(), afterLeaving);
}

void EditorRulesTest::stepsAreCutBack_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("expected");

    QTest::newRow("odo steps by ten") << "edOdo1" << 100 << int(Qt::Key_Up) << "110";
    QTest::newRow("odo top") << "edOdo1" << 99995 << int(Qt::Key_Up) << "99999";
    QTest::newRow("wheel bottom") << "edWheel1" << 0 << int(Qt::Key_Down) << "0";
    QTest::newRow("altitude bottom") << "edHomeAlt" << -381 << int(Qt::Key_Down) << "-381";
    QTest::newRow("weight down") << "edWeight" << 80 << int(Qt::Key_Down) << "79";
}

void EditorRulesTest::stepsAreCutBack()
{
    QFETCH(QString, field);
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(QString, expected);

    auto* spin = m_f->find<SpinField>(field.toLatin1().constData());
    m_f->reveal(spin);
    spin->setNumber(start);
    spin->setFocus();
    QTest::keyClick(spin, static_cast<Qt::Key>(key));
    QCOMPARE(spin->text(), expected);
}

void EditorRulesTest::decimalSeparatorTypedTwice()
{
    auto* lapDist = m_f->find<DecimalField>("edLapDist");
    typeInto(lapDist, QStringLiteral("12."));
    QTest::keyClicks(lapDist, QStringLiteral(".5"));
    QCOMPARE(lapDist->text(), QStringLiteral("12.5"));
}

void EditorRulesTest::odometerMenu_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("expected");

    QTest::newRow("+10000 at 95000") << 95000 << "N100001"
                                     << "99999";
    QTest::newRow("+100 at 99999") << 99999 << "N1001"
                                   << "99999";
    QTest::newRow("+500") << 10 << "N5001"
                          << "510";
    QTest::newRow("+1000") << 0 << "N10001"
                           << "1000";
    QTest::newRow("+5000") << 1 << "N50001"
                           << "5001";
    QTest::newRow("zero") << 4321 << "N01"
                          << "0";
}

void EditorRulesTest::odometerMenu()
{
    QFETCH(int, start);
    QFETCH(QString, entry);
    QFETCH(QString, expected);

    auto* odo = m_f->find<SpinField>("edOdo1");
    odo->setNumber(start);
    auto* button = m_f->find<QToolButton>("btnOdo");
    QTest::mouseClick(button, Qt::LeftButton);
    QMenu& menu = m_f->window().editor().mnuOdo();
    QTRY_VERIFY(menu.isVisible());
    QCOMPARE(menu.pos(), button->mapToGlobal(QPoint(0, button->height())));
    menu.findChild<QAction*>(entry)->trigger();
    menu.close();
    QCOMPARE(odo->text(), expected);
}

void EditorRulesTest::doubleClickResetsOdometer()
{
    auto* odo = m_f->find<SpinField>("edOdo1");
    odo->setNumber(777);
    QTest::mouseDClick(odo->findChild<QLineEdit*>(), Qt::LeftButton);
    QCOMPARE(odo->text(), QStringLiteral("0"));
}

void EditorRulesTest::wheelPresetGoesToTheClickedButtonsField_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("wheel1");
    QTest::addColumn<QString>("wheel2");

    QTest::newRow("29x2.35 to bike 1") << "btnWheel1"
                                       << "N60x622"
                                       << "2331"
                                       << "2048";
    QTest::newRow("700x23c to bike 2") << "btnwheel2"
                                       << "N700x23c1"
                                       << "2130"
                                       << "2096";
    QTest::newRow("650x23c to bike 1") << "btnWheel1"
                                       << "N650x23c1"
                                       << "1930"
                                       << "2048";
}

void EditorRulesTest::wheelPresetGoesToTheClickedButtonsField()
{
    QFETCH(QString, button);
    QFETCH(QString, entry);
    QFETCH(QString, wheel1);
    QFETCH(QString, wheel2);

    auto* clicked = m_f->find<QToolButton>(button.toLatin1().constData());
    m_f->reveal(clicked);
    QTest::mouseClick(clicked, Qt::LeftButton);
    QMenu& menu = m_f->window().editor().mnuWheel();
    QTRY_VERIFY(menu.isVisible());
    menu.findChild<QAction*>(entry)->trigger();
    QVERIFY(!menu.isVisible());
    QCOMPARE(m_f->find<SpinField>("edWheel1")->text(), wheel1);
    QCOMPARE(m_f->find<SpinField>("edWheel2")->text(), wheel2);
}

void EditorRulesTest::wheelPresetByMouseInTheMenu()
{
    QTest::mouseClick(m_f->find<QToolButton>("btnWheel1"), Qt::LeftButton);
    QMenu& menu = m_f->window().editor().mnuWheel();
    QTRY_VERIFY(menu.isVisible());
    QPushButton* entry = nullptr;
    for (QPushButton* candidate : menu.findChildren<QPushButton*>())
        if (candidate->text() == QLatin1String("26x1.90"))
            entry = candidate;
    QVERIFY(entry);
    QVERIFY(!entry->icon().isNull());
    QTest::mouseClick(entry, Qt::LeftButton);
    QCOMPARE(m_f->find<SpinField>("edWheel1")->text(), QStringLiteral("2045"));
    QVERIFY(!menu.isVisible());
}

void EditorRulesTest::handChangedTimeUnticksPcTime()
{
    auto* time = m_f->find<QDateTimeEdit>("dtpTime");
    auto* pcTime = m_f->find<QCheckBox>("chkPCTime");
    time->setFocus();
    time->setSelectedSection(QDateTimeEdit::HourSection);
    // An hour other than the clock's own, so typing it is a change whenever the test runs.
    const int hour = (time->time().hour() + 5) % 24;
    QTest::keyClicks(time, QStringLiteral("%1").arg(hour, 2, 10, QLatin1Char('0')));
    QVERIFY(!pcTime->isChecked());
    QVERIFY(!m_f->window().editor().Timer1().isActive());
    QCOMPARE(time->time().hour(), hour);
    const QTime typed = time->time();
    QTest::qWait(1100);
    QCOMPARE(time->time(), typed);

    QTest::mouseClick(pcTime, Qt::LeftButton);
    QVERIFY(pcTime->isChecked());
    QVERIFY(m_f->window().editor().Timer1().isActive());
    QTRY_VERIFY_WITH_TIMEOUT(qAbs(time->time().secsTo(QTime::currentTime())) <= 1, 1000);
}

void EditorRulesTest::programChangesNeverUntick()
{
    m_f->window().editor().Timer1Timer();
    m_f->window().editor().showPcClock();
    QVERIFY(m_f->find<QCheckBox>("chkPCTime")->isChecked());
    QTest::qWait(1100);
    QVERIFY(m_f->find<QCheckBox>("chkPCTime")->isChecked());
}

void EditorRulesTest::heartRateOrderOnLeaving_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("lower");

    QTest::newRow("lower above upper") << "edHRLower"
                                       << "200"
                                       << "150"
                                       << "150";
    QTest::newRow("upper below lower") << "edHRUpper"
                                       << "100"
                                       << "130"
                                       << "130";
    QTest::newRow("equal stays") << "edHRLower"
                                 << "150"
                                 << "150"
                                 << "150";
    QTest::newRow("lower below upper") << "edHRLower"
                                       << "60"
                                       << "150"
                                       << "60";
}

void EditorRulesTest::heartRateOrderOnLeaving()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, upper);
    QFETCH(QString, lower);

    auto* edited = m_f->find<SpinField>(field.toLatin1().constData());
    typeInto(edited, typed);
    QCOMPARE(edited->text(), typed);
    leave();
    QCOMPARE(m_f->find<SpinField>("edHRUpper")->text(), upper);
    QCOMPARE(m_f->find<SpinField>("edHRLower")->text(), lower);
}

void EditorRulesTest::lapTimeLimit_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QTime>("expected");

    QTest::newRow("12:30") << "1230" << QTime(9, 30);
    QTest::newRow("00:00") << "0000" << QTime(0, 0);
    QTest::newRow("09:59") << "0959" << QTime(9, 59);
}

void EditorRulesTest::lapTimeLimit()
{
    QFETCH(QString, typed);
    QFETCH(QTime, expected);

    auto* mode = m_f->find<QComboBox>("cboLapMode");
    m_f->reveal(mode);
    mode->setCurrentIndex(2);
    auto* lapTime = m_f->find<QDateTimeEdit>("edLapTime");
    lapTime->setFocus();
    lapTime->setSelectedSection(QDateTimeEdit::HourSection);
    QTest::keyClicks(lapTime, typed);
    QCOMPARE(lapTime->time(), expected);
}

void EditorRulesTest::lapModeShowsItsField_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("arrow");
    QTest::addColumn<bool>("distance");
    QTest::addColumn<bool>("time");
    QTest::addColumn<QString>("unit");

    QTest::newRow("auto time") << 2 << true << false << true << "hh:mm";
    QTest::newRow("auto distance") << 1 << true << true << false << "km";
    QTest::newRow("back to manual") << 0 << false << false << false << "";
}

void EditorRulesTest::lapModeShowsItsField()
{
    QFETCH(int, index);
    QFETCH(bool, arrow);
    QFETCH(bool, distance);
    QFETCH(bool, time);
    QFETCH(QString, unit);

    auto* mode = m_f->find<QComboBox>("cboLapMode");
    m_f->reveal(mode);
    mode->setCurrentIndex(index == 0 ? 2 : 0);
    mode->setCurrentIndex(index);
    QCOMPARE(m_f->find("lblLapMode")->isVisible(), arrow);
    QCOMPARE(m_f->find("edLapDist")->isVisible(), distance);
    QCOMPARE(m_f->find("edLapTime")->isVisible(), time);
    QCOMPARE(m_f->find<QLabel>("lblStop")->text(), unit);
    // No selection leaves the fields as they are.
    mode->setCurrentIndex(-1);
    QCOMPARE(m_f->find("edLapDist")->isVisible(), distance);
    QCOMPARE(m_f->find<QLabel>("lblStop")->text(), unit);
}

void EditorRulesTest::unitsToggle()
{
    const char* groups[] = {"rgSpeed", "rgWeight", "rgTemp", "rgTime"};
    auto* toggle = m_f->find<QPushButton>("btnUnits");
    m_f->reveal(toggle);
    for (const char* name : groups)
        QCOMPARE(m_f->find<RadioGroup>(name)->itemIndex(), 0);
    toggle->click();
    for (const char* name : groups)
        QCOMPARE(m_f->find<RadioGroup>(name)->itemIndex(), 0);
    QVERIFY(m_f->window().editor().UnitsToggle);
    toggle->click();
    for (const char* name : groups)
        QCOMPARE(m_f->find<RadioGroup>(name)->itemIndex(), 1);
    QCOMPARE(m_f->find<QLabel>("lblkm1")->text(), QStringLiteral("km"));
}

void EditorRulesTest::sexPicture()
{
    auto* sex = m_f->find<QComboBox>("cboSex");
    auto* picture = m_f->find<QLabel>("imgUserSex");
    QCOMPARE(picture->pixmap().toImage(), Pictures::sex(0).toImage());
    sex->setCurrentIndex(1);
    QCOMPARE(picture->pixmap().toImage(), Pictures::sex(1).toImage());
    QVERIFY(Pictures::sex(0).toImage() != Pictures::sex(1).toImage());
}

void EditorRulesTest::enterMovesFocus_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<QString>("to");

    QTest::newRow("odo to wheel") << "edOdo1" << false << "edWheel1";
    QTest::newRow("wheel back to odo") << "edWheel1" << true << "edOdo1";
    QTest::newRow("time to check box") << "dtpTime" << false << "chkPCTime";
    QTest::newRow("check box to odo") << "chkPCTime" << false << "edOdo1";
    QTest::newRow("send to close") << "btnSend" << false << "btnClose";
}

void EditorRulesTest::enterMovesFocus()
{
    QFETCH(QString, from);
    QFETCH(bool, shift);
    QFETCH(QString, to);

    QWidget* start = m_f->find(from.toLatin1().constData());
    start->setFocus();
    QVERIFY(start->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, shift ? Qt::ShiftModifier : Qt::NoModifier);
    QTRY_VERIFY2(m_f->find(to.toLatin1().constData())->hasFocus(),
                 qPrintable(QApplication::focusWidget()->objectName()));
}

void EditorRulesTest::enterStaysInMemo()
{
    auto* monitor = m_f->find<QPlainTextEdit>("moMonitor");
    monitor->setFocus();
    QVERIFY(monitor->hasFocus());
    QTest::keyClick(monitor, Qt::Key_Return);
    QTest::qWait(20);
    QVERIFY(monitor->hasFocus());
}

QTEST_MAIN(EditorRulesTest)
#include "EditorRulesTest.moc"
