#include "device/SettingsTextLoader.h"
#include "device/DeviceSettingsSink.h"
#include "device/SettingsEncoder.h"
#include "device/SettingsTextReader.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{

struct FieldCase {
    const char* text;
    int width;
    bool isSigned;
    std::optional<int> expected;
};

class HexField : public ::testing::TestWithParam<FieldCase>
{
};

TEST_P(HexField, ReadsTheFieldOrNothingAndAlwaysAdvances)
{
    SettingsTextReader reader(GetParam().text);
    EXPECT_EQ(reader.TakeHexField(GetParam().width, GetParam().isSigned), GetParam().expected)
        << '"' << GetParam().text << "\" width " << GetParam().width;
    EXPECT_EQ(reader.position(), static_cast<std::size_t>(std::max(GetParam().width, 0)));
}

INSTANTIATE_TEST_SUITE_P(
    Table, HexField,
    ::testing::Values(FieldCase{"FE83", 4, true, -381}, FieldCase{"FE83", 4, false, 0xFE83},
                      FieldCase{"fe83", 4, true, -381}, FieldCase{"8000", 4, true, -32768},
                      FieldCase{"7FFF", 4, true, 32767}, FieldCase{"0000", 4, true, 0},
                      FieldCase{"01E6", 4, false, 486}, FieldCase{"003039", 6, false, 12345},
                      FieldCase{"FFFFFF", 6, false, 0xFFFFFF}, FieldCase{"ff", 2, false, 255},
                      FieldCase{"Ab", 2, false, 0xAB}, FieldCase{"F", 2, false, std::nullopt},
                      FieldCase{"", 2, false, std::nullopt}, FieldCase{"G0", 2, false, std::nullopt},
                      FieldCase{"+1", 2, false, std::nullopt}, FieldCase{" 1", 2, false, std::nullopt},
                      FieldCase{"-1", 2, true, std::nullopt}, FieldCase{"0x", 2, false, std::nullopt},
                      FieldCase{"\xC3\xA4", 2, false, std::nullopt},
                      FieldCase{"12345678", 8, false, std::nullopt}, FieldCase{"12", 0, false, std::nullopt},
                      FieldCase{"12", -3, false, std::nullopt}));

TEST(SettingsTextReader, FieldsAreIndependentAndNothingIsReadPastTheEnd)
{
    SettingsTextReader reader("ZZ12A");
    EXPECT_EQ(reader.TakeHexField(2), std::nullopt);
    EXPECT_EQ(reader.TakeHexField(2), 0x12);
    EXPECT_EQ(reader.TakeHexField(2), std::nullopt);
    EXPECT_EQ(reader.position(), 6u);
    EXPECT_EQ(reader.TakeHexField(2), std::nullopt);
    EXPECT_EQ(reader.position(), 8u);
}

using Change = std::function<void(DeviceSettings&)>;

struct LoadCase {
    const char* name;
    std::string text;
    Change before; // the record before the load, starting from the defaults
    Change after;  // applied to the record before the load: the record expected after it
};

void PrintTo(const LoadCase& c, std::ostream* os)
{
    *os << c.name;
}

class LoadText : public ::testing::TestWithParam<LoadCase>
{
};

TEST_P(LoadText, SetsTheFieldsTheTextCarries)
{
    DeviceSettings settings;
    if (GetParam().before)
        GetParam().before(settings);
    DeviceSettings expected = settings;
    GetParam().after(expected);
    DeviceSettingsSink sink(settings);
    EXPECT_TRUE(LoadSettingsText(GetParam().text, sink));
    EXPECT_EQ(settings, expected);
}

// The second worked text: what every text written by the tool yields besides its numbers.
const Change secondWorkedValues = [](DeviceSettings& s) {
    s.Odo1 = 12345, s.WheelSize1 = 2096, s.HomeAlt = -100, s.LapMode = 1, s.LapDist = 2.5;
    s.LapTime = {1, 30, 0}, s.SpeedUnit = 1, s.PCTime = false, s.Sex = 0, s.WeightUnit = 1, s.SampleRate = 0;
    s.TimeFormat = 1;
};

// Replaces the characters at pos of the second worked text.
std::string secondWith(std::size_t pos, const std::string& chars)
{
    std::string text = "003039000000083008000050FF9C968201001930010400";
    return text.replace(pos, chars.size(), chars);
}

Change withSecondWorked(Change more)
{
    return [more](DeviceSettings& s) {
        secondWorkedValues(s);
        more(s);
    };
}

const Change unitsAlreadyChanged = [](DeviceSettings& s) {
    s.SpeedUnit = 1, s.WeightUnit = 1, s.TempUnit = 1, s.TimeFormat = 1, s.Sex = 1, s.SampleRate = 2;
};

INSTANTIATE_TEST_SUITE_P(
    Table, LoadText,
    ::testing::Values(
        LoadCase{"second worked text", "003039000000083008000050FF9C968201001930010400", nullptr,
                 secondWorkedValues},
        LoadCase{"lower-case digits", "003039000000083008000050ff9c968201001930010400", nullptr,
                 secondWorkedValues},
        LoadCase{"first worked text never switches units back",
                 "0000000000000852080000500000968200001400022001", unitsAlreadyChanged,
                 [](DeviceSettings& s) { s.Sex = 0, s.SampleRate = 0, s.PCTime = true; }},
        LoadCase{"all flag bits", secondWith(42, "FE"), nullptr, withSecondWorked([](DeviceSettings& s) {
                     s.Sex = 1, s.WeightUnit = 0, s.TempUnit = 1, s.TimeFormat = 0, s.SampleRate = 2;
                 })},
        LoadCase{"bit 6 gives 10 s", secondWith(42, "64"), nullptr,
                 withSecondWorked([](DeviceSettings& s) { s.SampleRate = 1, s.TimeFormat = 0; })},
        LoadCase{"bit 7 wins over bit 6", secondWith(42, "C4"), nullptr,
                 withSecondWorked([](DeviceSettings& s) { s.SampleRate = 2; })},
        LoadCase{"weight 486 loads as 485", secondWith(20, "01E6"), nullptr,
                 withSecondWorked([](DeviceSettings& s) { s.Weight = 485; })},
        LoadCase{"weight 485 stays", secondWith(20, "01E5"), nullptr,
                 withSecondWorked([](DeviceSettings& s) { s.Weight = 485; })},
        LoadCase{"lap minutes 99", secondWith(38, "9901"), nullptr, withSecondWorked([](DeviceSettings& s) {
                     s.LapTime = {2, 0, 0};
                 })},
        LoadCase{"lap minutes 60", secondWith(38, "6001"), nullptr, withSecondWorked([](DeviceSettings& s) {
                     s.LapTime = {2, 0, 0};
                 })},
        LoadCase{"lap hours 0x18", secondWith(38, "3018"), nullptr, withSecondWorked([](DeviceSettings& s) {
                     s.LapTime = {2, 0, 0};
                 })},
        LoadCase{"lap hours 0x17", secondWith(38, "3017"), nullptr, withSecondWorked([](DeviceSettings& s) {
                     s.LapTime = {23, 30, 0};
                 })},
        LoadCase{"lap hours 0C", secondWith(38, "300C"), nullptr, withSecondWorked([](DeviceSettings& s) {
                     s.LapTime = {12, 30, 0};
                 })},
        LoadCase{"lap minutes with a letter taken unchanged", secondWith(38, "3A00"), nullptr,
                 withSecondWorked([](DeviceSettings& s) {
                     s.LapTime = {0, 58, 0};
                 })},
        LoadCase{"lap mode 3 loads as manual", secondWith(32, "03"), nullptr,
                 withSecondWorked([](DeviceSettings& s) { s.LapMode = 0; })},
        LoadCase{"lap mode 2", secondWith(32, "02"), nullptr,
                 withSecondWorked([](DeviceSettings& s) { s.LapMode = 2; })},
        LoadCase{"PCTime on only for 1", secondWith(44, "02"), nullptr, secondWorkedValues},
        LoadCase{"non-hex wheel skipped, the rest loads", secondWith(12, "08G0"), nullptr,
                 withSecondWorked([](DeviceSettings& s) { s.WheelSize1 = 2130; })},
        LoadCase{"non-hex lap minutes keep the lap time", secondWith(38, "x001"),
                 [](DeviceSettings& s) { s.LapTime = {3, 15, 0}; }, withSecondWorked([](DeviceSettings& s) {
                     s.LapTime = {3, 15, 0};
                 })},
        LoadCase{"longer text: the rest is ignored",
                 "003039000000083008000050FF9C968201001930010400FFFF", nullptr, secondWorkedValues},
        LoadCase{"short text loads its whole fields", "00303900000108",
                 [](DeviceSettings& s) { s.WheelSize1 = 1, s.Odo2 = 2; },
                 [](DeviceSettings& s) { s.Odo1 = 12345, s.Odo2 = 1; }},
        LoadCase{"text ending inside the flags", "003039000000083008000050FF9C9682010019300102", nullptr,
                 [](DeviceSettings& s) {
                     s.Odo1 = 12345, s.WheelSize1 = 2096, s.HomeAlt = -100, s.LapMode = 1, s.LapDist = 2.5;
                     s.LapTime = {1, 30, 0}, s.SampleRate = 0, s.Sex = 1, s.WeightUnit = 1, s.TimeFormat = 1;
                 }}));

TEST(LoadSettingsText, AnEmptyTextChangesNothing)
{
    DeviceSettings settings;
    settings.Odo1 = 77;
    const DeviceSettings before = settings;
    DeviceSettingsSink sink(settings);
    EXPECT_FALSE(LoadSettingsText("", sink));
    EXPECT_EQ(settings, before);
}

class RecordingSink : public DeviceSettingsSink
{
public:
    using DeviceSettingsSink::DeviceSettingsSink;
    void setSex(int value) override
    {
        calls.push_back("setSex");
        DeviceSettingsSink::setSex(value);
    }
    void setSpeedUnit(int value) override
    {
        calls.push_back("setSpeedUnit");
        DeviceSettingsSink::setSpeedUnit(value);
    }
    void UpdateSexImage() override { calls.push_back("UpdateSexImage"); }
    std::vector<std::string> calls;
};

TEST(LoadSettingsText, TheSexPictureFollowsRightAfterTheSex)
{
    DeviceSettings settings;
    RecordingSink sink(settings);
    LoadSettingsText("003039000000083008000050FF9C968201001930010600", sink);
    EXPECT_EQ(sink.calls, (std::vector<std::string>{"setSex", "UpdateSexImage", "setSpeedUnit"}));
    EXPECT_EQ(settings.Sex, 1);
}

TEST(LoadSettingsText, LapHoursAbove9AreKeptButSentAs9)
{
    DeviceSettings settings;
    DeviceSettingsSink sink(settings);
    LoadSettingsText(secondWith(38, "300C"), sink);
    SettingsEncoder encoder;
    encoder.BuildSettingsData(settings);
    EXPECT_EQ(settings.LapTime, (ClockTimeOfDay{12, 30, 0}));
    EXPECT_EQ(encoder.block()[24], 0x30);
    EXPECT_EQ(encoder.block()[25], 9);
    EXPECT_EQ(encoder.settingsText().substr(38, 4), "3009");
}

TEST(LoadSettingsText, WhatTheEncoderWritesLoadsBack)
{
    std::vector<DeviceSettings> records(4);
    records[1].Odo1 = 99999, records[1].Odo2 = 54321, records[1].HomeAlt = -381, records[1].Weight = 485;
    records[1].LapMode = 2, records[1].LapDist = 99.9, records[1].LapTime = {9, 59, 0};
    records[2].HomeAlt = 6000, records[2].HRUpper = 240, records[2].HRLower = 30, records[2].LapDist = 0;
    records[2].SpeedUnit = 1, records[2].TimeFormat = 1, records[2].PCTime = false;
    records[3].WheelSize1 = 3999, records[3].WheelSize2 = 0, records[3].Weight = 1,
    records[3].LapTime = {0, 0, 0};
    for (DeviceSettings original : records) {
        SettingsEncoder encoder;
        encoder.BuildSettingsData(original);
        DeviceSettings loaded;
        loaded.ClockTime = original.ClockTime, loaded.ClockDate = original.ClockDate;
        DeviceSettingsSink sink(loaded);
        LoadSettingsText(encoder.settingsText(), sink);
        // The writer never sets the bits of the text-only fields, so they read back as below.
        original.Sex = 0, original.WeightUnit = 1, original.SampleRate = 0;
        EXPECT_EQ(loaded, original) << encoder.settingsText();
    }
}

} // namespace
