#pragma once

#include <QObject>
#include <QTimer>

#include <cstdint>

class QAction;
class QMenu;
class QTimer;
class QTime;
class QWidget;
namespace Ui
{
class TFOrdakSetup;
}

// The rules that link the settings controls: quick menus, wheel presets, PC time, heart-rate order,
// lap mode and lap time, the units toggle and the sex picture.
class SettingsEditor : public QObject
{
    Q_OBJECT
public:
    SettingsEditor(Ui::TFOrdakSetup& ui, QWidget* window);

    bool UnitsToggle = false;
    std::uint8_t WheelTarget = 0;

    QTimer& Timer1() { return *m_timer1; }
    QMenu& mnuOdo() { return *m_mnuOdo; }
    QMenu& mnuWheel() { return *m_mnuWheel; }

    // Time and date pickers to the PC clock, as the program (never unticks PC time).
    void showPcClock();
    // Sets the lap time as the program: no limit, and no user-change rule.
    void setLapTimeByProgram(const QTime& time);

    void btnOdoClick();
    void N01Click();
    void N1001Click(QAction* entry);
    void edOdo1DblClick();
    void btnWheel1Click();
    void btnwheel2Click();
    void N700x20c1Click(QAction* entry);
    void chkPCTimeClick();
    void Timer1Timer();
    void dtpTimeChange();
    void dtpDateChange();
    void edHRUpperExit();
    void edHRLowerExit();
    void cboLapModeChange();
    void edLapTimeChange();
    void btnUnitsClick();
    void rgWeightClick();
    void cboSexChange();
    void UpdateSexImage();

    // Accessible names of the fields after their labels; again after every change of language.
    void refreshAccessibleNames();

private:
    void connectRules();
    void popUpBelow(QMenu& menu, QWidget& button);

    Ui::TFOrdakSetup& m_ui;
    QWidget* m_window;
    QTimer* m_timer1;
    QMenu* m_mnuOdo;
    QMenu* m_mnuWheel;
    bool m_changingByProgram = false;
};
