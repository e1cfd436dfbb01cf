#include "device/SettingsField.h"

std::string_view SettingsFieldName(SettingsField field)
{
    switch (field) {
    case SettingsField::Odo1:
        return "Odo1";
    case SettingsField::Odo2:
        return "Odo2";
    case SettingsField::WheelSize1:
        return "WheelSize1";
    case SettingsField::WheelSize2:
        return "WheelSize2";
    case SettingsField::Weight:
        return "Weight";
    case SettingsField::HomeAlt:
        return "HomeAlt";
    case SettingsField::HRUpper:
        return "HRUpper";
    case SettingsField::HRLower:
        return "HRLower";
    case SettingsField::ClockTime:
        return "ClockTime";
    case SettingsField::ClockDate:
        return "ClockDate";
    case SettingsField::LapMode:
        return "LapMode";
    case SettingsField::LapDist:
        return "LapDist";
    case SettingsField::LapTime:
        return "LapTime";
    case SettingsField::SpeedUnit:
        return "SpeedUnit";
    case SettingsField::TimeFormat:
        return "TimeFormat";
    case SettingsField::PCTime:
        return "PCTime";
    case SettingsField::Sex:
        return "Sex";
    case SettingsField::WeightUnit:
        return "WeightUnit";
    case SettingsField::TempUnit:
        return "TempUnit";
    case SettingsField::SampleRate:
        return "SampleRate";
    }
    return "?";
}
