#include "device/SettingsNormaliser.h"

#include "device/Rounding.h"

#include <algorithm>
#include <cmath>

namespace
{

constexpr double kMaxWeight = 485;
constexpr double kMinHomeAlt = -381;
constexpr double kMaxHomeAlt = 6000;
constexpr double kMinHRLower = 30;
constexpr double kMaxLapDistTenths = 999;
constexpr int kMaxLapHours = 9;
constexpr int kFirstYear = 2000;
constexpr int kMaxYearOffset = 99;

class Normaliser
{
public:
    explicit Normaliser(DeviceSettings& settings) : s(settings) {}

    NormalisedSettings run()
    {
        EncodedSettings& v = result.values;
        v.odo1 = static_cast<std::uint32_t>(whole(s.Odo1, 0, 0xFFFFFF, SettingsField::Odo1));
        v.odo2 = static_cast<std::uint32_t>(whole(s.Odo2, 0, 0xFFFFFF, SettingsField::Odo2));
        v.wheelSize1 = whole(s.WheelSize1, 0, 0xFFFF, SettingsField::WheelSize1);
        v.wheelSize2 = whole(s.WheelSize2, 0, 0xFFFF, SettingsField::WheelSize2);

        // Step 1: sent as at most 485; the record keeps its value.
        v.weight = limit(rounding::HalfAwayFromZero(s.Weight), 0, kMaxWeight, SettingsField::Weight);

        // Step 2.
        if (s.HomeAlt < kMinHomeAlt)
            correct(s.HomeAlt, kMinHomeAlt, SettingsField::HomeAlt);
        else if (s.HomeAlt > kMaxHomeAlt)
            correct(s.HomeAlt, kMaxHomeAlt, SettingsField::HomeAlt);
        else if (std::isnan(s.HomeAlt))
            correct(s.HomeAlt, 0, SettingsField::HomeAlt);
        v.homeAlt = whole(s.HomeAlt, kMinHomeAlt, kMaxHomeAlt, SettingsField::HomeAlt);

        // Step 3, then the upper limit is taken before step 4 can raise the lower one.
        if (s.HRUpper < s.HRLower)
            correct(s.HRUpper, s.HRLower, SettingsField::HRUpper);
        v.hrUpper = whole(s.HRUpper, 0, 0xFF, SettingsField::HRUpper);

        // Step 4; a missing lower limit counts as below 30.
        if (s.HRLower < kMinHRLower || std::isnan(s.HRLower))
            correct(s.HRLower, kMinHRLower, SettingsField::HRLower);
        v.hrLower = whole(s.HRLower, 0, 0xFF, SettingsField::HRLower);

        // Step 5: hours and minutes of the clock, seconds are not sent.
        v.clockMinute = bounded(s.ClockTime.minutes, 0, 59, SettingsField::ClockTime);
        v.clockHour = bounded(s.ClockTime.hours, 0, 23, SettingsField::ClockTime);
        v.clockDay = bounded(s.ClockDate.day, 1, 31, SettingsField::ClockDate);
        v.clockMonth = bounded(s.ClockDate.month, 1, 12, SettingsField::ClockDate);
        // The device counts years from 2000: an earlier year is sent as 2000, as a later one is cut at 2099.
        const int year = std::clamp(s.ClockDate.year, kFirstYear - 1, kFirstYear + kMaxYearOffset + 1);
        v.yearOffset = bounded(year - kFirstYear, 0, kMaxYearOffset, SettingsField::ClockDate);

        // An unknown lap mode is sent as manual laps, so the device never gets a mode it does not know.
        v.lapMode = bounded(s.LapMode, kLapManual, kLapAutoTime, SettingsField::LapMode, kLapManual);

        // Step 6.
        if (s.LapDist * 10 > kMaxLapDistTenths)
            correct(s.LapDist, 99.9, SettingsField::LapDist);
        else if (std::isnan(s.LapDist))
            correct(s.LapDist, 0, SettingsField::LapDist);
        v.lapDistTenths = whole(s.LapDist * 10, 0, kMaxLapDistTenths, SettingsField::LapDist);

        // Step 7: sent as at most 9 hours; the record keeps its value.
        v.lapMinutes = bounded(s.LapTime.minutes, 0, 59, SettingsField::LapTime);
        v.lapHours = bounded(s.LapTime.hours, 0, kMaxLapHours, SettingsField::LapTime);

        v.speedUnit = s.SpeedUnit;
        v.timeFormat = s.TimeFormat;
        v.pcTime = s.PCTime;
        return std::move(result);
    }

private:
    void note(std::vector<SettingsField>& list, SettingsField field)
    {
        if (std::find(list.begin(), list.end(), field) == list.end())
            list.push_back(field);
    }

    void correct(double& value, double corrected, SettingsField field)
    {
        value = corrected;
        note(result.corrected, field);
    }

    // A whole number from an already rounded value, within what its bytes can hold.
    int limit(double rounded, double lo, double hi, SettingsField field)
    {
        if (std::isnan(rounded) || rounded < lo) {
            note(result.limited, field);
            return static_cast<int>(lo);
        }
        if (rounded > hi) {
            note(result.limited, field);
            return static_cast<int>(hi);
        }
        return static_cast<int>(rounded);
    }

    int whole(double value, double lo, double hi, SettingsField field)
    {
        return limit(rounding::HalfToEven(value), lo, hi, field);
    }

    int bounded(int value, int lo, int hi, SettingsField field)
    {
        return bounded(value, lo, hi, field, value < lo ? lo : hi);
    }

    int bounded(int value, int lo, int hi, SettingsField field, int outside)
    {
        if (value >= lo && value <= hi)
            return value;
        note(result.limited, field);
        return outside;
    }

    DeviceSettings& s;
    NormalisedSettings result;
};

} // namespace

NormalisedSettings NormaliseSettings(DeviceSettings& settings)
{
    return Normaliser(settings).run();
}
