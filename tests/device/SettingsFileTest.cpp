#include "device/SettingsFile.h"
#include "base/Error.h"
#include "base/IniFile.h"
#include "device/DeviceSettingsSink.h"

#include "../support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace
{

const char* const kDefaultsText = "0000000000000852080000500000968200001400022001";
const char* const kSecondText = "003039000000083008000050FF9C968201001930010400";

std::size_t occurrences(const std::string& haystack, const std::string& needle)
{
    std::size_t count = 0;
    for (std::size_t pos = haystack.find(needle); pos != std::string::npos;
         pos = haystack.find(needle, pos + 1))
        ++count;
    return count;
}

class SettingsFileTest : public ::testing::Test
{
protected:
    std::string path() const { return folder.file("bike.dat"); }
    TempFolder folder;
    SettingsEncoder encoder;
};

TEST_F(SettingsFileTest, SavingTheDefaultsCreatesAFileWithTheOneKey)
{
    DeviceSettings settings;
    SaveSettingsFile(path(), encoder, settings);
    EXPECT_EQ(TempFolder::read(path()), std::string("[DEVICE]\r\nSettings_ORDAK=") + kDefaultsText + "\r\n");
    EXPECT_EQ(ReadSettingsText(path()), kDefaultsText);
}

TEST_F(SettingsFileTest, SavingKeepsOtherSectionsAndLeavesOneKey)
{
    TempFolder::write(path(), "[MISC]\r\nCPort=3\r\n[Device]\r\nsettings_ordak=old\r\nNote=kept\r\n");
    DeviceSettings settings;
    SaveSettingsFile(path(), encoder, settings);
    SaveSettingsFile(path(), encoder, settings);
    const std::string content = TempFolder::read(path());
    EXPECT_EQ(occurrences(content, "ettings_"), 1u);
    EXPECT_EQ(IniFile(path()).readInteger("MISC", "CPort", -1), 3);
    EXPECT_EQ(IniFile(path()).readString("DEVICE", "Note", ""), "kept");
    EXPECT_EQ(ReadSettingsText(path()), kDefaultsText);
}

TEST_F(SettingsFileTest, SavingStoresTheCorrectedRecord)
{
    DeviceSettings settings;
    settings.HRUpper = 20;
    settings.HRLower = 25;
    const NormalisedSettings result = SaveSettingsFile(path(), encoder, settings);
    EXPECT_EQ(settings.HRUpper, 25);
    EXPECT_EQ(settings.HRLower, 30);
    EXPECT_EQ(result.corrected, (std::vector<SettingsField>{SettingsField::HRUpper, SettingsField::HRLower}));
    EXPECT_EQ(ReadSettingsText(path()).substr(28, 4), "191E");
}

TEST_F(SettingsFileTest, LoadingSetsTheRecord)
{
    TempFolder::write(path(), std::string("[device]\nSETTINGS_ORDAK = ") + kSecondText + "\n");
    DeviceSettings settings;
    DeviceSettingsSink sink(settings);
    EXPECT_TRUE(LoadSettingsFile(path(), sink));
    EXPECT_EQ(settings.Odo1, 12345);
    EXPECT_EQ(settings.HomeAlt, -100);
    EXPECT_FALSE(settings.PCTime);
}

TEST_F(SettingsFileTest, AFileWithoutTheKeyLoadsNothingAndCreatesNothing)
{
    TempFolder::write(path(), "[DEVICE]\r\nOther=1\r\n");
    DeviceSettings settings;
    settings.Odo1 = 5;
    const DeviceSettings before = settings;
    DeviceSettingsSink sink(settings);
    EXPECT_FALSE(LoadSettingsFile(path(), sink));
    EXPECT_FALSE(LoadSettingsFile(folder.file("missing.dat"), sink));
    EXPECT_FALSE(LoadSettingsFile("", sink));
    EXPECT_EQ(settings, before);
    EXPECT_FALSE(std::filesystem::exists(folder.file("missing.dat")));
}

class FailingSink : public DeviceSettingsSink
{
public:
    using DeviceSettingsSink::DeviceSettingsSink;
    void setHomeAlt(int) override { throw TavimoroError("refused"); }
};

TEST_F(SettingsFileTest, AnErrorEndsTheLoadSilentlyAndKeepsWhatWasApplied)
{
    TempFolder::write(path(), std::string("[DEVICE]\r\nSettings_ORDAK=") + kSecondText + "\r\n");
    DeviceSettings settings;
    FailingSink sink(settings);
    EXPECT_FALSE(LoadSettingsFile(path(), sink));
    EXPECT_EQ(settings.Odo1, 12345);
    EXPECT_EQ(settings.WheelSize1, 2096);
    EXPECT_EQ(settings.HomeAlt, 0);
    EXPECT_EQ(settings.LapMode, 0);
}

TEST_F(SettingsFileTest, AFailedSaveRaisesTheWriteErrorWithTheFileName)
{
    std::filesystem::create_directory(path());
    DeviceSettings settings;
    try {
        SaveSettingsFile(path(), encoder, settings);
        FAIL() << "no error";
    } catch (const TavimoroError& e) {
        EXPECT_EQ(std::string(e.what()), "In " + path() + " kann nicht geschrieben werden");
    }
    EXPECT_THROW(WriteSettingsText("", kDefaultsText), TavimoroError);
}

} // namespace
