#include "device/SettingsBlockDecoder.h"

#include "device/ByteRoutines.h"

#include <cstdio>
#include <numeric>

namespace
{

std::string hexByte(std::uint8_t b)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", b);
    return text;
}

class BlockReader
{
public:
    explicit BlockReader(const SettingsBlock& block) : m_block(block) {}

    int byteAt(int offset) const { return m_block[static_cast<std::size_t>(offset)]; }
    int wordAt(int offset) const { return byteAt(offset) | byteAt(offset + 1) << 8; }
    int tripleAt(int offset) const { return wordAt(offset) | byteAt(offset + 2) << 16; }

    // A BCD byte as a number; a fault and -1 when a digit is no decimal one.
    int bcdAt(int offset, const char* what)
    {
        if (const auto value = bytes::FromBcd(m_block[static_cast<std::size_t>(offset)]))
            return *value;
        fault(std::string(what) + " " + hexByte(m_block[static_cast<std::size_t>(offset)]) + " is no BCD");
        return -1;
    }

    int inRange(int value, int lo, int hi, const char* what)
    {
        if (value != -1 && (value < lo || value > hi))
            fault(std::string(what) + " " + std::to_string(value) + " is outside " + std::to_string(lo) +
                  ".." + std::to_string(hi));
        return value;
    }

    void fault(std::string text) { m_faults.push_back(std::move(text)); }
    std::vector<std::string> takeFaults() { return std::move(m_faults); }

private:
    const SettingsBlock& m_block;
    std::vector<std::string> m_faults;
};

std::string twoDigits(int value)
{
    if (value < 0)
        return "??";
    const std::string digits = std::to_string(value);
    return digits.size() < 2 ? "0" + digits : digits;
}

const char* lapModeName(int mode)
{
    switch (mode) {
    case kLapManual:
        return "manual";
    case kLapAutoDistance:
        return "auto-distance";
    case kLapAutoTime:
        return "auto-time";
    default:
        return "unknown";
    }
}

std::string describe(const DeviceSettings& s, int year, int minute, int hour, int day, int lapMinutes,
                     int lapDistTenths)
{
    const std::string lapDist = std::to_string(lapDistTenths / 10) + "." + std::to_string(lapDistTenths % 10);
    return "odo1=" + std::to_string(static_cast<long>(s.Odo1)) +
           " odo2=" + std::to_string(static_cast<long>(s.Odo2)) +
           " wheel1=" + std::to_string(static_cast<int>(s.WheelSize1)) +
           " wheel2=" + std::to_string(static_cast<int>(s.WheelSize2)) +
           " weight=" + std::to_string(static_cast<int>(s.Weight)) +
           " homealt=" + std::to_string(static_cast<int>(s.HomeAlt)) +
           " hr=" + std::to_string(static_cast<int>(s.HRUpper)) + "/" +
           std::to_string(static_cast<int>(s.HRLower)) +
           " clock=" + (year < 0 ? "20??" : std::to_string(year)) + "-" + twoDigits(s.ClockDate.month) + "-" +
           twoDigits(day) + " " + twoDigits(hour) + ":" + twoDigits(minute) +
           " lap=" + lapModeName(s.LapMode) + " lapdist=" + lapDist +
           " laptime=" + std::to_string(s.LapTime.hours) + ":" + twoDigits(lapMinutes) +
           " speed=" + (s.SpeedUnit ? "miles" : "km") + " format=" + (s.TimeFormat ? "12h" : "24h");
}

} // namespace

DecodedSettingsBlock DecodeSettingsBlock(const SettingsBlock& block)
{
    BlockReader in(block);
    DecodedSettingsBlock out;
    DeviceSettings& s = out.settings;

    s.Odo1 = in.tripleAt(0);
    s.Odo2 = in.tripleAt(3);
    s.WheelSize1 = in.wordAt(6);
    s.WheelSize2 = in.wordAt(8);
    s.Weight = in.inRange(in.wordAt(10), 0, 485, "weight");
    const int homeAlt = in.wordAt(12);
    s.HomeAlt = in.inRange(homeAlt >= 0x8000 ? homeAlt - 0x10000 : homeAlt, -381, 6000, "home altitude");
    s.HRUpper = in.byteAt(14);
    s.HRLower = in.inRange(in.byteAt(15), 30, 255, "lower heart-rate limit");
    if (s.HRUpper < s.HRLower)
        in.fault("upper heart-rate limit is below the lower one");

    const int minute = in.inRange(in.bcdAt(16, "minute"), 0, 59, "minute");
    const int hour = in.inRange(in.bcdAt(17, "hour"), 0, 23, "hour");
    const int day = in.inRange(in.bcdAt(18, "day"), 1, 31, "day");
    const int month = in.inRange(in.byteAt(19), 1, 12, "month");
    const int yearOffset = in.bcdAt(20, "year");
    s.ClockTime = {hour < 0 ? 0 : hour, minute < 0 ? 0 : minute, 0};
    s.ClockDate = {yearOffset < 0 ? 2000 : 2000 + yearOffset, month, day < 0 ? 1 : day};

    s.LapMode = in.inRange(in.byteAt(21), kLapManual, kLapAutoTime, "lap mode");
    const int lapDistTenths = in.inRange(in.wordAt(22), 0, 999, "lap distance");
    s.LapDist = lapDistTenths / 10.0;
    const int lapMinutes = in.inRange(in.bcdAt(24, "lap minutes"), 0, 59, "lap minutes");
    s.LapTime = {in.inRange(in.byteAt(25), 0, 9, "lap hours"), lapMinutes < 0 ? 0 : lapMinutes, 0};

    const int flags = in.byteAt(26);
    s.SpeedUnit = (flags >> kFlagBitMiles) & 1;
    s.TimeFormat = ((flags >> kFlagBit24Hours) & 1) ? 0 : 1;
    if (flags & ~((1 << kFlagBitMiles) | (1 << kFlagBit24Hours)))
        in.fault("flags " + hexByte(static_cast<std::uint8_t>(flags)) + " hold unknown bits");
    if (block[27] != 0)
        in.fault("reserved byte is " + hexByte(block[27]));

    out.description =
        describe(s, yearOffset < 0 ? -1 : 2000 + yearOffset, minute, hour, day, lapMinutes, lapDistTenths);
    out.faults = in.takeFaults();
    return out;
}

DecodedTransferFrame DecodeTransferFrame(const TransferFrame& frame)
{
    DecodedTransferFrame out;
    out.commandOk = frame[0] == kSettingsCommand;
    const unsigned sum = std::accumulate(frame.begin(), frame.end() - 1, 0u);
    out.checksumOk = (sum & 0xFF) == frame[29];
    SettingsBlock block{};
    std::copy(frame.begin() + 1, frame.begin() + 29, block.begin());
    out.block = DecodeSettingsBlock(block);
    return out;
}
