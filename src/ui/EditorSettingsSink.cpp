#include "ui/EditorSettingsSink.h"

#include "ui/SettingsEditor.h"
#include "ui_TFOrdakSetup.h"

namespace
{

// An index the selector does not have leaves it without a selection.
int indexWithin(int value, int count)
{
    return value >= 0 && value < count ? value : -1;
}

} // namespace

void EditorSettingsSink::setOdo1(int value)
{
    m_ui.edOdo1->setNumber(value);
}

void EditorSettingsSink::setOdo2(int value)
{
    m_ui.edOdo2->setNumber(value);
}

void EditorSettingsSink::setWheelSize1(int value)
{
    m_ui.edWheel1->setNumber(value);
}

void EditorSettingsSink::setWheelSize2(int value)
{
    m_ui.edWheel2->setNumber(value);
}

void EditorSettingsSink::setWeight(int value)
{
    m_ui.edWeight->setNumber(value);
}

void EditorSettingsSink::setHomeAlt(int value)
{
    m_ui.edHomeAlt->setNumber(value);
}

void EditorSettingsSink::setHRUpper(int value)
{
    m_ui.edHRUpper->setNumber(value);
}

void EditorSettingsSink::setHRLower(int value)
{
    m_ui.edHRLower->setNumber(value);
}

void EditorSettingsSink::setLapMode(int value)
{
    m_ui.cboLapMode->setCurrentIndex(indexWithin(value, m_ui.cboLapMode->count()));
}

void EditorSettingsSink::setLapDist(double value)
{
    m_ui.edLapDist->setNumber(value);
}

void EditorSettingsSink::setLapTime(ClockTimeOfDay value)
{
    m_editor.setLapTimeByProgram(QTime(value.hours, value.minutes, value.seconds));
}

void EditorSettingsSink::setSex(int value)
{
    m_ui.cboSex->setCurrentIndex(indexWithin(value, m_ui.cboSex->count()));
}

void EditorSettingsSink::setSpeedUnit(int value)
{
    m_ui.rgSpeed->setItemIndex(value);
}

void EditorSettingsSink::setWeightUnit(int value)
{
    m_ui.rgWeight->setItemIndex(value);
}

void EditorSettingsSink::setTempUnit(int value)
{
    m_ui.rgTemp->setItemIndex(value);
}

void EditorSettingsSink::setTimeFormat(int value)
{
    m_ui.rgTime->setItemIndex(value);
}

void EditorSettingsSink::setSampleRate(int value)
{
    m_ui.grpSampleRate->setItemIndex(value);
}

void EditorSettingsSink::setPCTime(bool value)
{
    m_ui.chkPCTime->setChecked(value);
}

void EditorSettingsSink::UpdateSexImage()
{
    m_editor.UpdateSexImage();
}
