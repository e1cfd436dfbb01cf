#include "device/SettingsTextLoader.h"

#include "device/ByteRoutines.h"
#include "device/SettingsTextReader.h"

namespace
{

constexpr int kMaxWeight = 485;
constexpr ClockTimeOfDay kDefaultLapTime{2, 0, 0};

bool bitSet(int flags, int bit)
{
    return (flags >> bit) & 1;
}

void applyFlags(int flags, SettingsSink& sink)
{
    sink.setSex(bitSet(flags, 1) ? 1 : 0);
    sink.UpdateSexImage();
    if (bitSet(flags, 2))
        sink.setSpeedUnit(1);
    if (!bitSet(flags, 3))
        sink.setWeightUnit(1);
    if (bitSet(flags, 4))
        sink.setTempUnit(1);
    if (!bitSet(flags, 5))
        sink.setTimeFormat(1);
    sink.setSampleRate(bitSet(flags, 7) ? 2 : bitSet(flags, 6) ? 1 : 0);
}

} // namespace

bool LoadSettingsText(const std::string& text, SettingsSink& sink)
{
    if (text.empty())
        return false;
    SettingsTextReader reader(text);
    if (const auto v = reader.TakeHexField(6))
        sink.setOdo1(*v);
    if (const auto v = reader.TakeHexField(6))
        sink.setOdo2(*v);
    if (const auto v = reader.TakeHexField(4))
        sink.setWheelSize1(*v);
    if (const auto v = reader.TakeHexField(4))
        sink.setWheelSize2(*v);
    if (const auto v = reader.TakeHexField(4))
        sink.setWeight(*v > kMaxWeight ? kMaxWeight : *v);
    if (const auto v = reader.TakeHexField(4, true))
        sink.setHomeAlt(*v);
    if (const auto v = reader.TakeHexField(2))
        sink.setHRUpper(*v);
    if (const auto v = reader.TakeHexField(2))
        sink.setHRLower(*v);
    // A mode the selector does not know would leave it empty and reach the device; manual laps are safe.
    if (const auto v = reader.TakeHexField(2))
        sink.setLapMode(*v > kLapAutoTime ? kLapManual : *v);
    if (const auto v = reader.TakeHexField(4))
        sink.setLapDist(*v / 10.0);
    const auto minutes = reader.TakeHexField(2);
    const auto hours = reader.TakeHexField(2);
    if (minutes && hours) {
        const ClockTimeOfDay lapTime{*hours, bytes::BcdDigitsOrSame(*minutes), 0};
        const bool isTimeOfDay = lapTime.hours < 24 && lapTime.minutes < 60;
        sink.setLapTime(isTimeOfDay ? lapTime : kDefaultLapTime);
    }
    if (const auto v = reader.TakeHexField(2))
        applyFlags(*v, sink);
    if (const auto v = reader.TakeHexField(2))
        sink.setPCTime(*v == 1);
    return true;
}
