#pragma once

#include "device/SettingsSink.h"

// Stores the values of a settings text in a record as they come, without the editor's limits.
class DeviceSettingsSink : public SettingsSink
{
public:
    explicit DeviceSettingsSink(DeviceSettings& settings) : m_settings(settings) {}

    void setOdo1(int value) override { m_settings.Odo1 = value; }
    void setOdo2(int value) override { m_settings.Odo2 = value; }
    void setWheelSize1(int value) override { m_settings.WheelSize1 = value; }
    void setWheelSize2(int value) override { m_settings.WheelSize2 = value; }
    void setWeight(int value) override { m_settings.Weight = value; }
    void setHomeAlt(int value) override { m_settings.HomeAlt = value; }
    void setHRUpper(int value) override { m_settings.HRUpper = value; }
    void setHRLower(int value) override { m_settings.HRLower = value; }
    void setLapMode(int value) override { m_settings.LapMode = value; }
    void setLapDist(double value) override { m_settings.LapDist = value; }
    void setLapTime(ClockTimeOfDay value) override { m_settings.LapTime = value; }
    void setSex(int value) override { m_settings.Sex = value; }
    void setSpeedUnit(int value) override { m_settings.SpeedUnit = value; }
    void setWeightUnit(int value) override { m_settings.WeightUnit = value; }
    void setTempUnit(int value) override { m_settings.TempUnit = value; }
    void setTimeFormat(int value) override { m_settings.TimeFormat = value; }
    void setSampleRate(int value) override { m_settings.SampleRate = value; }
    void setPCTime(bool value) override { m_settings.PCTime = value; }

private:
    DeviceSettings& m_settings;
};
