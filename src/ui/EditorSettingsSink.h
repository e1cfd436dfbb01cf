#pragma once

#include "device/SettingsSink.h"

class SettingsEditor;
namespace Ui
{
class TFOrdakSetup;
}

// Applies each value of a loaded settings text to its control at once, with the editor's limits.
class EditorSettingsSink : public SettingsSink
{
public:
    EditorSettingsSink(Ui::TFOrdakSetup& ui, SettingsEditor& editor) : m_ui(ui), m_editor(editor) {}

    void setOdo1(int value) override;
    void setOdo2(int value) override;
    void setWheelSize1(int value) override;
    void setWheelSize2(int value) override;
    void setWeight(int value) override;
    void setHomeAlt(int value) override;
    void setHRUpper(int value) override;
    void setHRLower(int value) override;
    void setLapMode(int value) override;
    void setLapDist(double value) override;
    void setLapTime(ClockTimeOfDay value) override;
    void setSex(int value) override;
    void setSpeedUnit(int value) override;
    void setWeightUnit(int value) override;
    void setTempUnit(int value) override;
    void setTimeFormat(int value) override;
    void setSampleRate(int value) override;
    void setPCTime(bool value) override;
    void UpdateSexImage() override;

private:
    Ui::TFOrdakSetup& m_ui;
    SettingsEditor& m_editor;
};
