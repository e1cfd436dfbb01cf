#pragma once

#include "device/DeviceSettings.h"

// Receives the values of a settings text one by one, as they are read. The editor implements it and
// applies its own limits; DeviceSettingsSink stores them in a record.
class SettingsSink
{
public:
    virtual ~SettingsSink() = default;

    virtual void setOdo1(int value) = 0;
    virtual void setOdo2(int value) = 0;
    virtual void setWheelSize1(int value) = 0;
    virtual void setWheelSize2(int value) = 0;
    virtual void setWeight(int value) = 0;
    virtual void setHomeAlt(int value) = 0;
    virtual void setHRUpper(int value) = 0;
    virtual void setHRLower(int value) = 0;
    virtual void setLapMode(int value) = 0;
    virtual void setLapDist(double value) = 0;
    virtual void setLapTime(ClockTimeOfDay value) = 0;
    virtual void setSex(int value) = 0;
    virtual void setSpeedUnit(int value) = 0;
    virtual void setWeightUnit(int value) = 0;
    virtual void setTempUnit(int value) = 0;
    virtual void setTimeFormat(int value) = 0;
    virtual void setSampleRate(int value) = 0;
    virtual void setPCTime(bool value) = 0;

    // Called right after setSex, so that the sex picture follows the loaded value.
    virtual void UpdateSexImage() {}
};
