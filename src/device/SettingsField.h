#pragma once

#include <string_view>

// Names a field of DeviceSettings, e.g. to tell the editor which values the encoder corrected.
enum class SettingsField {
    Odo1,
    Odo2,
    WheelSize1,
    WheelSize2,
    Weight,
    HomeAlt,
    HRUpper,
    HRLower,
    ClockTime,
    ClockDate,
    LapMode,
    LapDist,
    LapTime,
    SpeedUnit,
    TimeFormat,
    PCTime,
    Sex,
    WeightUnit,
    TempUnit,
    SampleRate,
};

// The field's name as in DeviceSettings ("HRUpper").
std::string_view SettingsFieldName(SettingsField field);
