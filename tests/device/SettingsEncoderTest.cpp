#include "device/SettingsEncoder.h"
#include "base/Error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numeric>

namespace
{

std::string hex(const TransferFrame& frame)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (const std::uint8_t b : frame) {
        if (!out.empty())
            out += ' ';
        out += digits[b >> 4];
        out += digits[b & 0x0F];
    }
    return out;
}

DeviceSettings defaultsAt(CalendarDate date, ClockTimeOfDay time)
{
    DeviceSettings s;
    s.ClockDate = date;
    s.ClockTime = time;
    return s;
}

DeviceSettings firstWorkedRecord()
{
    return defaultsAt({2013, 5, 17}, {9, 7, 0});
}

DeviceSettings secondWorkedRecord()
{
    DeviceSettings s = defaultsAt({2013, 11, 28}, {23, 59, 41});
    s.Odo1 = 12345;
    s.WheelSize1 = 2096;
    s.HomeAlt = -100;
    s.LapMode = kLapAutoDistance;
    s.LapDist = 2.5;
    s.LapTime = {1, 30, 0};
    s.SpeedUnit = 1;
    s.TimeFormat = 1;
    s.PCTime = false;
    return s;
}

struct WorkedCase {
    const char* name;
    DeviceSettings (*record)();
    const char* frame;
    const char* text;
};

void PrintTo(const WorkedCase& c, std::ostream* os)
{
    *os << c.name;
}

class WorkedFrames : public ::testing::TestWithParam<WorkedCase>
{
};

TEST_P(WorkedFrames, BlockFrameAndTextComeOutByteForByte)
{
    DeviceSettings settings = GetParam().record();
    const DeviceSettings before = settings;
    SettingsEncoder encoder;
    const NormalisedSettings result = encoder.BuildSettingsData(settings);
    EXPECT_EQ(settings, before);
    EXPECT_TRUE(result.corrected.empty());
    EXPECT_EQ(encoder.settingsText(), GetParam().text);
    EXPECT_EQ(encoder.count(), 28);
    EXPECT_EQ(encoder.checksum(), std::accumulate(encoder.block().begin(), encoder.block().end(), 0) & 0xFF);
    EXPECT_EQ(hex(encoder.AssembleTransferFrame()), GetParam().frame);
}

INSTANTIATE_TEST_SUITE_P(
    Table, WorkedFrames,
    ::testing::Values(
        WorkedCase{"defaults", firstWorkedRecord,
                   "0C 00 00 00 00 00 00 52 08 00 08 50 00 00 00 96 82 07 09 17 05 13 00 14 00 00 "
                   "02 20 00 4B",
                   "0000000000000852080000500000968200001400022001"},
        WorkedCase{"miles, 12-hour clock, auto distance", secondWorkedRecord,
                   "0C 39 30 00 00 00 00 30 08 00 08 50 00 9C FF 96 82 59 23 28 0B 13 01 19 00 30 "
                   "01 04 00 C9",
                   "003039000000083008000050FF9C968201001930010400"}));

TEST(SettingsEncoder, TheFrameChecksumCoversTheCommandByteOncePerBuild)
{
    DeviceSettings settings = firstWorkedRecord();
    SettingsEncoder encoder;
    encoder.BuildSettingsData(settings);
    EXPECT_EQ(encoder.checksum(), 0x3F);
    const TransferFrame first = encoder.AssembleTransferFrame();
    EXPECT_EQ(encoder.checksum(), 0x4B);
    EXPECT_EQ(encoder.count(), 29);
    // A second assembly of the same build is harmless: same frame, checksum not added to again.
    EXPECT_EQ(encoder.AssembleTransferFrame(), first);
    EXPECT_EQ(encoder.checksum(), 0x4B);
    EXPECT_EQ(encoder.count(), 29);
    // A new build starts over.
    encoder.BuildSettingsData(settings);
    EXPECT_EQ(encoder.checksum(), 0x3F);
    EXPECT_EQ(encoder.count(), 28);
    EXPECT_EQ(encoder.AssembleTransferFrame(), first);
}

TEST(SettingsEncoder, NoFrameWithoutABuild)
{
    SettingsEncoder encoder;
    EXPECT_THROW(encoder.AssembleTransferFrame(), TavimoroError);
    EXPECT_EQ(encoder.count(), 0);
}

TEST(SettingsEncoder, AddToChecksumWrapsAtEightAndSixteenBits)
{
    SettingsEncoder encoder;
    encoder.AddToChecksum(0xFF);
    encoder.AddToChecksum(0x02);
    EXPECT_EQ(encoder.checksum(), 0x01);
    EXPECT_EQ(encoder.count(), 2);
    for (int i = 0; i < 65534; ++i)
        encoder.AddToChecksum(0);
    EXPECT_EQ(encoder.count(), 0);
}

struct NormCase {
    const char* name;
    std::function<void(DeviceSettings&)> input;
    // Applied to the input record: the record expected afterwards.
    std::function<void(DeviceSettings&)> writtenBack;
    std::vector<std::pair<int, std::uint8_t>> blockBytes; // offset -> byte
    std::vector<SettingsField> corrected;
};

void PrintTo(const NormCase& c, std::ostream* os)
{
    *os << c.name;
}

class Normalisation : public ::testing::TestWithParam<NormCase>
{
};

TEST_P(Normalisation, CorrectsTheRecordAndLimitsWhatIsSent)
{
    const NormCase& c = GetParam();
    DeviceSettings settings = firstWorkedRecord();
    c.input(settings);
    DeviceSettings expected = settings;
    if (c.writtenBack)
        c.writtenBack(expected);

    SettingsEncoder encoder;
    const NormalisedSettings result = encoder.BuildSettingsData(settings);
    EXPECT_EQ(settings, expected);
    EXPECT_EQ(result.corrected, c.corrected);
    for (const auto& [offset, byte] : c.blockBytes)
        EXPECT_EQ(encoder.block()[offset], byte) << "offset " << offset;
    EXPECT_EQ(encoder.settingsText().size(), 46u);
}

using F = SettingsField;
std::function<void(DeviceSettings&)> nothing;

INSTANTIATE_TEST_SUITE_P(
    Table, Normalisation,
    ::testing::
        Values(
            NormCase{"upper below lower, then lower below 30",
                     [](DeviceSettings& s) { s.HRUpper = 20, s.HRLower = 25; },
                     [](DeviceSettings& s) { s.HRUpper = 25, s.HRLower = 30; },
                     {{14, 25}, {15, 30}},
                     {F::HRUpper, F::HRLower}},
            NormCase{"both limits 0",
                     [](DeviceSettings& s) { s.HRUpper = 0, s.HRLower = 0; },
                     [](DeviceSettings& s) { s.HRLower = 30; },
                     {{14, 0}, {15, 30}},
                     {F::HRLower}},
            NormCase{"limits kept",
                     [](DeviceSettings& s) { s.HRUpper = 30, s.HRLower = 30; },
                     nothing,
                     {{14, 30}, {15, 30}},
                     {}},
            NormCase{"altitude -382",
                     [](DeviceSettings& s) { s.HomeAlt = -382; },
                     [](DeviceSettings& s) { s.HomeAlt = -381; },
                     {{12, 0x83}, {13, 0xFE}},
                     {F::HomeAlt}},
            NormCase{"altitude 6001",
                     [](DeviceSettings& s) { s.HomeAlt = 6001; },
                     [](DeviceSettings& s) { s.HomeAlt = 6000; },
                     {{12, 0x70}, {13, 0x17}},
                     {F::HomeAlt}},
            NormCase{"altitude -381 stays",
                     [](DeviceSettings& s) { s.HomeAlt = -381; },
                     nothing,
                     {{12, 0x83}, {13, 0xFE}},
                     {}},
            NormCase{"altitude 6000 stays",
                     [](DeviceSettings& s) { s.HomeAlt = 6000; },
                     nothing,
                     {{12, 0x70}, {13, 0x17}},
                     {}},
            NormCase{"altitude -1.5 to even",
                     [](DeviceSettings& s) { s.HomeAlt = -1.5; },
                     nothing,
                     {{12, 0xFE}, {13, 0xFF}},
                     {}},
            NormCase{"lap distance 99.95",
                     [](DeviceSettings& s) { s.LapDist = 99.95; },
                     [](DeviceSettings& s) { s.LapDist = 99.9; },
                     {{22, 0xE7}, {23, 0x03}},
                     {F::LapDist}},
            NormCase{"lap distance 99.9 stays",
                     [](DeviceSettings& s) { s.LapDist = 99.9; },
                     nothing,
                     {{22, 0xE7}, {23, 0x03}},
                     {}},
            NormCase{"lap distance 0.25 to even",
                     [](DeviceSettings& s) { s.LapDist = 0.25; },
                     nothing,
                     {{22, 2}, {23, 0}},
                     {}},
            NormCase{"lap distance 0.75 to even",
                     [](DeviceSettings& s) { s.LapDist = 0.75; },
                     nothing,
                     {{22, 8}, {23, 0}},
                     {}},
            NormCase{"odometer 2.5 to even",
                     [](DeviceSettings& s) { s.Odo1 = 2.5; },
                     nothing,
                     {{0, 2}, {1, 0}, {2, 0}},
                     {}},
            NormCase{"odometer 3.5 to even",
                     [](DeviceSettings& s) { s.Odo2 = 3.5; },
                     nothing,
                     {{3, 4}, {4, 0}, {5, 0}},
                     {}},
            NormCase{"odometer 99999",
                     [](DeviceSettings& s) { s.Odo1 = 99999; },
                     nothing,
                     {{0, 0x9F}, {1, 0x86}, {2, 0x01}},
                     {}},
            NormCase{"odometer beyond three bytes",
                     [](DeviceSettings& s) { s.Odo1 = 2e7; },
                     nothing,
                     {{0, 0xFF}, {1, 0xFF}, {2, 0xFF}, {3, 0}},
                     {}},
            NormCase{"negative wheel sent as 0",
                     [](DeviceSettings& s) { s.WheelSize2 = -5; },
                     nothing,
                     {{8, 0}, {9, 0}},
                     {}},
            NormCase{"wheel 2130.5 to even",
                     [](DeviceSettings& s) { s.WheelSize1 = 2130.5; },
                     nothing,
                     {{6, 0x52}, {7, 0x08}},
                     {}},
            NormCase{"weight half away from zero",
                     [](DeviceSettings& s) { s.Weight = 80.5; },
                     nothing,
                     {{10, 81}, {11, 0}},
                     {}},
            NormCase{"weight 486 sent as 485, record keeps it",
                     [](DeviceSettings& s) { s.Weight = 486; },
                     nothing,
                     {{10, 0xE5}, {11, 0x01}},
                     {}},
            NormCase{"heart rate 150.5 to even",
                     [](DeviceSettings& s) { s.HRUpper = 150.5; },
                     nothing,
                     {{14, 150}},
                     {}},
            NormCase{
                "lap time 12:30 sent as 9:30",
                [](DeviceSettings& s) {
                    s.LapTime = {12, 30, 0};
                },
                nothing,
                {{24, 0x30}, {25, 9}},
                {}},
            NormCase{"year 2100 sent as 99",
                     [](DeviceSettings& s) { s.ClockDate.year = 2100; },
                     nothing,
                     {{20, 0x99}},
                     {}},
            NormCase{
                "year 2099", [](DeviceSettings& s) { s.ClockDate.year = 2099; }, nothing, {{20, 0x99}}, {}},
            NormCase{"year 1999 sent as 2000",
                     [](DeviceSettings& s) { s.ClockDate.year = 1999; },
                     nothing,
                     {{20, 0x00}},
                     {}},
            NormCase{"midnight",
                     [](DeviceSettings& s) { s.ClockTime = {0, 0, 59}; },
                     nothing,
                     {{16, 0x00}, {17, 0x00}},
                     {}},
            NormCase{"noon with the 12-hour clock",
                     [](DeviceSettings& s) { s.ClockTime = {12, 0, 0}, s.TimeFormat = 1; },
                     nothing,
                     {{16, 0x00}, {17, 0x12}, {26, 0x00}},
                     {}},
            NormCase{"November is plain",
                     [](DeviceSettings& s) { s.ClockDate = {2024, 11, 30}; },
                     nothing,
                     {{18, 0x30}, {19, 0x0B}, {20, 0x24}},
                     {}},
            NormCase{"unknown lap mode sent as manual",
                     [](DeviceSettings& s) { s.LapMode = 7; },
                     nothing,
                     {{21, 0}},
                     {}},
            NormCase{"miles with the 24-hour clock",
                     [](DeviceSettings& s) { s.SpeedUnit = 1; },
                     nothing,
                     {{26, 0x24}, {27, 0}},
                     {}},
            NormCase{"a missing lower limit becomes 30",
                     [](DeviceSettings& s) { s.HRLower = std::nan(""); },
                     [](DeviceSettings& s) { s.HRLower = 30; },
                     {{15, 30}},
                     {F::HRLower}}));

TEST(SettingsEncoder, LimitsAreReportedWithoutTouchingTheRecord)
{
    DeviceSettings settings = firstWorkedRecord();
    settings.Weight = 500;
    settings.LapTime = {12, 30, 0};
    settings.ClockDate.year = 1990;
    SettingsEncoder encoder;
    const NormalisedSettings result = encoder.BuildSettingsData(settings);
    EXPECT_EQ(result.limited, (std::vector<SettingsField>{F::Weight, F::ClockDate, F::LapTime}));
    EXPECT_TRUE(result.corrected.empty());
    EXPECT_EQ(settings.Weight, 500);
}

TEST(SettingsEncoder, ExtremeRecordsKeepEveryTextFieldAtItsWidth)
{
    DeviceSettings high = firstWorkedRecord();
    high.Odo1 = high.Odo2 = 1e12;
    high.WheelSize1 = high.WheelSize2 = 1e9;
    high.Weight = 1e9;
    high.HomeAlt = 1e9;
    high.HRUpper = high.HRLower = 1e9;
    high.LapDist = 1e9;
    high.LapTime = {99, 99, 0};
    DeviceSettings low = firstWorkedRecord();
    low.Odo1 = low.Odo2 = low.WheelSize1 = low.WheelSize2 = low.Weight = -1e9;
    low.HomeAlt = low.HRUpper = low.HRLower = low.LapDist = -1e9;
    low.LapTime = {-5, -5, 0};
    low.LapMode = -1;

    SettingsEncoder encoder;
    encoder.BuildSettingsData(high);
    EXPECT_EQ(encoder.settingsText(), std::string("FFFFFF") + "FFFFFF" + "FFFF" + "FFFF" + "01E5" + "1770" +
                                          "FF" + "FF" + "00" + "03E7" + "59" + "09" + "20" + "01");
    encoder.BuildSettingsData(low);
    EXPECT_EQ(encoder.settingsText(), std::string("000000") + "000000" + "0000" + "0000" + "0000" + "FE83" +
                                          "00" + "1E" + "00" + "0000" + "00" + "00" + "20" + "01");
}

} // namespace
