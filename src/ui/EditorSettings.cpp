#include "ui/EditorSettings.h"

#include "ui/SettingsEditor.h"
#include "ui_TFOrdakSetup.h"

#include <cmath>

namespace
{

ClockTimeOfDay timeOf(const QTime& time)
{
    return {time.hour(), time.minute(), time.second()};
}

// A selector without a selection counts as its first entry.
int indexOrFirst(int index)
{
    return index < 0 ? 0 : index;
}

int whole(double value)
{
    return static_cast<int>(std::clamp(std::round(value), -2147483647.0, 2147483647.0));
}

} // namespace

EditorSettings::EditorSettings(Ui::TFOrdakSetup& ui, SettingsEditor& editor) : m_ui(ui), m_editor(editor) {}

DeviceSettings EditorSettings::read() const
{
    DeviceSettings s;
    s.Odo1 = m_ui.edOdo1->number();
    s.Odo2 = m_ui.edOdo2->number();
    s.WheelSize1 = m_ui.edWheel1->number();
    s.WheelSize2 = m_ui.edWheel2->number();
    s.Weight = m_ui.edWeight->number();
    s.HomeAlt = m_ui.edHomeAlt->number();
    s.HRUpper = m_ui.edHRUpper->number();
    s.HRLower = m_ui.edHRLower->number();
    s.ClockTime = timeOf(m_ui.dtpTime->time());
    const QDate date = m_ui.dtpDate->date();
    s.ClockDate = {date.year(), date.month(), date.day()};
    s.LapMode = indexOrFirst(m_ui.cboLapMode->currentIndex());
    s.LapDist = m_ui.edLapDist->number();
    s.LapTime = timeOf(m_ui.edLapTime->time());
    s.SpeedUnit = indexOrFirst(m_ui.rgSpeed->itemIndex());
    s.TimeFormat = indexOrFirst(m_ui.rgTime->itemIndex());
    s.PCTime = m_ui.chkPCTime->isChecked();
    s.Sex = indexOrFirst(m_ui.cboSex->currentIndex());
    s.WeightUnit = indexOrFirst(m_ui.rgWeight->itemIndex());
    s.TempUnit = indexOrFirst(m_ui.rgTemp->itemIndex());
    s.SampleRate = indexOrFirst(m_ui.grpSampleRate->itemIndex());
    return s;
}

void EditorSettings::show(const DeviceSettings& s, const std::vector<SettingsField>& fields)
{
    for (const SettingsField field : fields) {
        switch (field) {
        case SettingsField::Odo1:
            m_ui.edOdo1->setNumber(whole(s.Odo1));
            break;
        case SettingsField::Odo2:
            m_ui.edOdo2->setNumber(whole(s.Odo2));
            break;
        case SettingsField::WheelSize1:
            m_ui.edWheel1->setNumber(whole(s.WheelSize1));
            break;
        case SettingsField::WheelSize2:
            m_ui.edWheel2->setNumber(whole(s.WheelSize2));
            break;
        case SettingsField::Weight:
            m_ui.edWeight->setNumber(whole(s.Weight));
            break;
        case SettingsField::HomeAlt:
            m_ui.edHomeAlt->setNumber(whole(s.HomeAlt));
            break;
        case SettingsField::HRUpper:
            m_ui.edHRUpper->setNumber(whole(s.HRUpper));
            break;
        case SettingsField::HRLower:
            m_ui.edHRLower->setNumber(whole(s.HRLower));
            break;
        case SettingsField::ClockTime:
            break;
        case SettingsField::ClockDate:
            break;
        case SettingsField::LapMode:
            m_ui.cboLapMode->setCurrentIndex(
                s.LapMode >= 0 && s.LapMode < m_ui.cboLapMode->count() ? s.LapMode : -1);
            break;
        case SettingsField::LapDist:
            m_ui.edLapDist->setNumber(s.LapDist);
            break;
        case SettingsField::LapTime:
            m_editor.setLapTimeByProgram(QTime(s.LapTime.hours, s.LapTime.minutes, s.LapTime.seconds));
            break;
        case SettingsField::SpeedUnit:
            m_ui.rgSpeed->setItemIndex(s.SpeedUnit);
            break;
        case SettingsField::TimeFormat:
            m_ui.rgTime->setItemIndex(s.TimeFormat);
            break;
        case SettingsField::PCTime:
            m_ui.chkPCTime->setChecked(s.PCTime);
            break;
        case SettingsField::Sex:
            m_ui.cboSex->setCurrentIndex(s.Sex >= 0 && s.Sex < m_ui.cboSex->count() ? s.Sex : -1);
            m_editor.UpdateSexImage();
            break;
        case SettingsField::WeightUnit:
            m_ui.rgWeight->setItemIndex(s.WeightUnit);
            break;
        case SettingsField::TempUnit:
            m_ui.rgTemp->setItemIndex(s.TempUnit);
            break;
        case SettingsField::SampleRate:
            m_ui.grpSampleRate->setItemIndex(s.SampleRate);
            break;
        }
    }
}
