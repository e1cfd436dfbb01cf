#include "device/SettingsBlockDecoder.h"
#include "device/SettingsEncoder.h"

#include <gtest/gtest.h>

namespace
{

TransferFrame frameOf(std::initializer_list<int> bytes)
{
    TransferFrame frame{};
    std::size_t i = 0;
    for (const int b : bytes)
        frame[i++] = static_cast<std::uint8_t>(b);
    return frame;
}

const TransferFrame kSecondFrame =
    frameOf({0x0C, 0x39, 0x30, 0x00, 0x00, 0x00, 0x00, 0x30, 0x08, 0x00, 0x08, 0x50, 0x00, 0x9C, 0xFF,
             0x96, 0x82, 0x59, 0x23, 0x28, 0x0B, 0x13, 0x01, 0x19, 0x00, 0x30, 0x01, 0x04, 0x00, 0xC9});

TEST(SettingsBlockDecoder, DecodesAndDescribesAWorkedFrame)
{
    const DecodedTransferFrame decoded = DecodeTransferFrame(kSecondFrame);
    EXPECT_TRUE(decoded.valid());
    const DeviceSettings& s = decoded.block.settings;
    EXPECT_EQ(s.Odo1, 12345);
    EXPECT_EQ(s.HomeAlt, -100);
    EXPECT_EQ(s.ClockDate, (CalendarDate{2013, 11, 28}));
    EXPECT_EQ(s.ClockTime, (ClockTimeOfDay{23, 59, 0}));
    EXPECT_EQ(s.LapTime, (ClockTimeOfDay{1, 30, 0}));
    EXPECT_EQ(decoded.block.description,
              "odo1=12345 odo2=0 wheel1=2096 wheel2=2048 weight=80 homealt=-100 hr=150/130 "
              "clock=2013-11-28 23:59 lap=auto-distance lapdist=2.5 laptime=1:30 speed=miles format=12h");
}

TEST(SettingsBlockDecoder, ReadsBackWhatTheEncoderBuilt)
{
    DeviceSettings settings;
    settings.Odo1 = 99999, settings.Odo2 = 1, settings.WheelSize1 = 3999, settings.Weight = 485;
    settings.HomeAlt = -381, settings.HRUpper = 240, settings.HRLower = 30;
    settings.ClockTime = {0, 0, 0}, settings.ClockDate = {2099, 12, 31};
    settings.LapMode = kLapAutoTime, settings.LapDist = 99.9, settings.LapTime = {9, 59, 0};
    SettingsEncoder encoder;
    encoder.BuildSettingsData(settings);
    const DecodedTransferFrame decoded = DecodeTransferFrame(encoder.AssembleTransferFrame());
    EXPECT_TRUE(decoded.valid());
    DeviceSettings expected = settings;
    expected.PCTime = DeviceSettings{}.PCTime;
    EXPECT_EQ(decoded.block.settings, expected);
}

struct FaultCase {
    const char* name;
    int offset;
    int byte;
    const char* fault;
};

void PrintTo(const FaultCase& c, std::ostream* os)
{
    *os << c.name;
}

class BlockFaults : public ::testing::TestWithParam<FaultCase>
{
};

TEST_P(BlockFaults, NamesWhatTheToolWouldNeverSend)
{
    TransferFrame frame = kSecondFrame;
    frame[static_cast<std::size_t>(GetParam().offset) + 1] = static_cast<std::uint8_t>(GetParam().byte);
    const DecodedSettingsBlock decoded = DecodeTransferFrame(frame).block;
    ASSERT_EQ(decoded.faults.size(), 1u);
    EXPECT_EQ(decoded.faults[0], GetParam().fault);
}

INSTANTIATE_TEST_SUITE_P(Table, BlockFaults,
                         ::testing::Values(FaultCase{"minute no BCD", 16, 0x5A, "minute 0x5A is no BCD"},
                                           FaultCase{"minute 60", 16, 0x60, "minute 60 is outside 0..59"},
                                           FaultCase{"hour 24", 17, 0x24, "hour 24 is outside 0..23"},
                                           FaultCase{"day 0", 18, 0x00, "day 0 is outside 1..31"},
                                           FaultCase{"month 13", 19, 13, "month 13 is outside 1..12"},
                                           FaultCase{"year no BCD", 20, 0xA0, "year 0xA0 is no BCD"},
                                           FaultCase{"lap mode 3", 21, 3, "lap mode 3 is outside 0..2"},
                                           FaultCase{"lap hours 10", 25, 10, "lap hours 10 is outside 0..9"},
                                           FaultCase{"flags", 26, 0x05, "flags 0x05 hold unknown bits"},
                                           FaultCase{"reserved", 27, 0x01, "reserved byte is 0x01"},
                                           FaultCase{"lower limit below 30", 15, 29,
                                                     "lower heart-rate limit 29 is outside 30..255"}));

TEST(SettingsBlockDecoder, ChecksCommandAndChecksum)
{
    TransferFrame frame = kSecondFrame;
    frame[29] = 0xC8;
    EXPECT_FALSE(DecodeTransferFrame(frame).checksumOk);
    frame = kSecondFrame;
    frame[0] = 0x0D;
    const DecodedTransferFrame decoded = DecodeTransferFrame(frame);
    EXPECT_FALSE(decoded.commandOk);
    EXPECT_FALSE(decoded.valid());
}

TEST(SettingsBlockDecoder, DescribesBadDigitsWithoutGuessing)
{
    TransferFrame frame = kSecondFrame;
    frame[17] = 0x5A;
    frame[21] = 0xAA;
    EXPECT_NE(DecodeTransferFrame(frame).block.description.find("clock=20?\?-11-28 23:?\?"),
              std::string::npos);
}

} // namespace
