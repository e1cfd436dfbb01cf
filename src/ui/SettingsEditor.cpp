#include "ui/SettingsEditor.h"

#include "ui/ErrorReport.h"
#include "ui/Pictures.h"
#include "ui/PresetMenus.h"
#include "ui_TFOrdakSetup.h"

#include <QDateTime>
#include <QLineEdit>
#include <QMenu>
#include <QScopedValueRollback>
#include <QTimer>

namespace
{

constexpr int kOdoMaximum = 99999;
constexpr int kLapHoursLimit = 9;

QString withoutAccessKeys(QString text)
{
    return text.remove(QLatin1Char('&'));
}

// Runs a rule under the general error report.
template <typename Rule> auto guarded(QWidget* window, Rule rule)
{
    return [window, rule](auto&&...) { ErrorReport::guard(window, rule); };
}

} // namespace

SettingsEditor::SettingsEditor(Ui::TFOrdakSetup& ui, QWidget* window)
    : QObject(window), m_ui(ui), m_window(window), m_timer1(new QTimer(this)),
      m_mnuOdo(PresetMenus::createOdometerMenu(window)), m_mnuWheel(PresetMenus::createWheelMenu(window))
{
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(1000);
    m_ui.btnOdo->setIcon(Pictures::dropDown());
    m_ui.btnWheel1->setIcon(Pictures::dropDown());
    m_ui.btnwheel2->setIcon(Pictures::dropDown());
    connectRules();
}

void SettingsEditor::connectRules()
{
    connect(m_ui.btnOdo, &QToolButton::clicked, this, guarded(m_window, [this] { btnOdoClick(); }));
    connect(m_ui.btnWheel1, &QToolButton::clicked, this, guarded(m_window, [this] { btnWheel1Click(); }));
    connect(m_ui.btnwheel2, &QToolButton::clicked, this, guarded(m_window, [this] { btnwheel2Click(); }));
    for (QAction* entry : m_mnuOdo->actions()) {
        if (entry->isSeparator())
            continue;
        if (entry->data().toInt() == 0)
            connect(entry, &QAction::triggered, this, guarded(m_window, [this] { N01Click(); }));
        else
            connect(entry, &QAction::triggered, this,
                    guarded(m_window, [this, entry] { N1001Click(entry); }));
    }
    for (QAction* entry : m_mnuWheel->findChildren<QAction*>()) {
        if (entry->data().isValid())
            connect(entry, &QAction::triggered, this,
                    guarded(m_window, [this, entry] { N700x20c1Click(entry); }));
    }
    connect(m_ui.edOdo1, &SpinField::doubleClicked, this, guarded(m_window, [this] { edOdo1DblClick(); }));
    connect(m_ui.chkPCTime, &QCheckBox::toggled, this, guarded(m_window, [this] { chkPCTimeClick(); }));
    connect(m_timer1, &QTimer::timeout, this, guarded(m_window, [this] { Timer1Timer(); }));
    connect(m_ui.dtpTime, &QDateTimeEdit::dateTimeChanged, this,
            guarded(m_window, [this] { dtpTimeChange(); }));
    connect(m_ui.dtpDate, &QDateTimeEdit::dateTimeChanged, this,
            guarded(m_window, [this] { dtpDateChange(); }));
    connect(m_ui.edHRUpper, &SpinField::exited, this, guarded(m_window, [this] { edHRUpperExit(); }));
    connect(m_ui.edHRLower, &SpinField::exited, this, guarded(m_window, [this] { edHRLowerExit(); }));
    connect(m_ui.cboLapMode, &QComboBox::currentIndexChanged, this,
            guarded(m_window, [this] { cboLapModeChange(); }));
    connect(m_ui.edLapTime, &QDateTimeEdit::dateTimeChanged, this,
            guarded(m_window, [this] { edLapTimeChange(); }));
    connect(m_ui.btnUnits, &QPushButton::clicked, this, guarded(m_window, [this] { btnUnitsClick(); }));
    connect(m_ui.rgWeight, &RadioGroup::itemClicked, this, guarded(m_window, [this] { rgWeightClick(); }));
    connect(m_ui.cboSex, &QComboBox::currentIndexChanged, this,
            guarded(m_window, [this] { cboSexChange(); }));
}

void SettingsEditor::popUpBelow(QMenu& menu, QWidget& button)
{
    menu.popup(button.mapToGlobal(QPoint(0, button.height())));
}

void SettingsEditor::btnOdoClick()
{
    popUpBelow(*m_mnuOdo, *m_ui.btnOdo);
}

void SettingsEditor::N01Click()
{
    m_ui.edOdo1->setNumber(0);
}

void SettingsEditor::N1001Click(QAction* entry)
{
    const long long sum = static_cast<long long>(m_ui.edOdo1->number()) + entry->data().toInt();
    m_ui.edOdo1->setNumber(static_cast<int>(std::min<long long>(sum, kOdoMaximum)));
}

void SettingsEditor::edOdo1DblClick()
{
    m_ui.edOdo1->setNumber(0);
}

void SettingsEditor::btnWheel1Click()
{
    WheelTarget = 1;
    popUpBelow(*m_mnuWheel, *m_ui.btnWheel1);
}

void SettingsEditor::btnwheel2Click()
{
    WheelTarget = 2;
    popUpBelow(*m_mnuWheel, *m_ui.btnwheel2);
}

void SettingsEditor::N700x20c1Click(QAction* entry)
{
    const int value = entry->data().toInt();
    if (WheelTarget == 1)
        m_ui.edWheel1->setNumber(value);
    else if (WheelTarget == 2)
        m_ui.edWheel2->setNumber(value);
}

void SettingsEditor::chkPCTimeClick()
{
    if (m_ui.chkPCTime->isChecked()) {
        m_timer1->start();
        // The clock shows the PC time at once rather than after the first tick.
        Timer1Timer();
    } else {
        m_timer1->stop();
    }
}

void SettingsEditor::showPcClock()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QScopedValueRollback<bool> byProgram(m_changingByProgram, true);
    m_ui.dtpTime->setTime(now.time());
    m_ui.dtpDate->setDate(now.date());
}

void SettingsEditor::Timer1Timer()
{
    showPcClock();
}

void SettingsEditor::dtpTimeChange()
{
    if (!m_changingByProgram && m_ui.chkPCTime->isChecked())
        m_ui.chkPCTime->setChecked(false);
}

void SettingsEditor::dtpDateChange()
{
    dtpTimeChange();
}

void SettingsEditor::edHRUpperExit()
{
    if (m_ui.edHRUpper->number() < m_ui.edHRLower->number())
        m_ui.edHRUpper->setNumber(m_ui.edHRLower->number());
}

void SettingsEditor::edHRLowerExit()
{
    if (m_ui.edHRLower->number() > m_ui.edHRUpper->number())
        m_ui.edHRLower->setNumber(m_ui.edHRUpper->number());
}

void SettingsEditor::cboLapModeChange()
{
    switch (m_ui.cboLapMode->currentIndex()) {
    case 0:
        m_ui.lblLapMode->setVisible(false);
        m_ui.edLapDist->setVisible(false);
        m_ui.edLapTime->setVisible(false);
        m_ui.lblStop->setText(QString());
        break;
    case 1:
        m_ui.lblLapMode->setVisible(true);
        m_ui.edLapDist->setVisible(true);
        m_ui.edLapTime->setVisible(false);
        m_ui.lblStop->setText(QStringLiteral("km"));
        break;
    case 2:
        m_ui.lblLapMode->setVisible(true);
        m_ui.edLapDist->setVisible(false);
        m_ui.edLapTime->setVisible(true);
        m_ui.lblStop->setText(QStringLiteral("hh:mm"));
        break;
    default:
        break;
    }
}

void SettingsEditor::setLapTimeByProgram(const QTime& time)
{
    const QScopedValueRollback<bool> byProgram(m_changingByProgram, true);
    m_ui.edLapTime->setTime(time);
}

void SettingsEditor::edLapTimeChange()
{
    if (m_changingByProgram)
        return;
    const QTime time = m_ui.edLapTime->time();
    if (time.hour() <= kLapHoursLimit)
        return;
    // The user goes on typing where the caret was.
    QLineEdit* text = m_ui.edLapTime->findChild<QLineEdit*>();
    const int caret = text ? text->cursorPosition() : 0;
    setLapTimeByProgram(QTime(kLapHoursLimit, time.minute(), 0));
    if (text)
        text->setCursorPosition(caret);
}

void SettingsEditor::btnUnitsClick()
{
    UnitsToggle = !UnitsToggle;
    const int item = UnitsToggle ? 0 : 1;
    m_ui.rgSpeed->setItemIndex(item);
    m_ui.rgWeight->setItemIndex(item);
    m_ui.rgTemp->setItemIndex(item);
    m_ui.rgTime->setItemIndex(item);
}

void SettingsEditor::rgWeightClick() {}

void SettingsEditor::cboSexChange()
{
    UpdateSexImage();
}

void SettingsEditor::UpdateSexImage()
{
    const int index = m_ui.cboSex->currentIndex();
    m_ui.imgUserSex->setPixmap(index >= 0 ? Pictures::sex(index) : QPixmap());
}

void SettingsEditor::refreshAccessibleNames()
{
    const std::pair<QWidget*, QLabel*> labelled[] = {
        {m_ui.dtpTime, m_ui.lblTime},    {m_ui.dtpDate, m_ui.lblDate},     {m_ui.edOdo1, m_ui.lblOdo1},
        {m_ui.edWheel1, m_ui.lblWSize1}, {m_ui.edOdo2, m_ui.lblOdo2},      {m_ui.edWheel2, m_ui.lblWSize2},
        {m_ui.cboSex, m_ui.lblSex},      {m_ui.edWeight, m_ui.lblUWeight}, {m_ui.cboLapMode, m_ui.lblMode},
        {m_ui.edHRUpper, m_ui.lblHFU},   {m_ui.edHRLower, m_ui.lblHFL},    {m_ui.edHomeAlt, m_ui.lblHAlt},
        {m_ui.btnOdo, m_ui.lblOdo1},     {m_ui.cboLang, m_ui.lblLang},     {m_ui.moMonitor, m_ui.lblMonitor},
    };
    for (const auto& [field, label] : labelled)
        field->setAccessibleName(withoutAccessKeys(label->text()).remove(QLatin1Char(':')).trimmed());
    m_ui.edLapDist->setAccessibleName(m_ui.cboLapMode->itemText(1));
    m_ui.edLapTime->setAccessibleName(m_ui.cboLapMode->itemText(2));
    m_ui.btnWheel1->setAccessibleName(m_ui.btnWheel1->toolTip().isEmpty() ? m_ui.lblWSize1->text()
                                                                          : m_ui.btnWheel1->toolTip());
    m_ui.btnwheel2->setAccessibleName(m_ui.btnWheel1->accessibleName());
    m_ui.imgDevice->setAccessibleName(m_ui.imgDevice->toolTip());
}
