#include "placement/PlacementStore.h"
#include "base/Error.h"
#include "base/IniFile.h"

#include "../support/FreshFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace
{

namespace fs = std::filesystem;

class PlacementStoreTest : public ::testing::Test
{
protected:
    void SetUp() override { m_dir = MakeFreshTempFolder("placement-store-"); }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string path(const std::string& name) const { return (m_dir / name).string(); }

    fs::path m_dir;
};

constexpr WindowPlacement kPlacement{{-50, 20, 578, 523}, true};

TEST_F(PlacementStoreTest, WritesTheFiveKeysAsDecimalText)
{
    const auto file = path("Tavimoro_SetupTool.ini");
    {
        std::ofstream(file) << "[MISC]\r\nLayout=7\r\n";
    }
    PlacementStore(plIniFile, file, path("unused.ini")).write("FOrdakSetup", kPlacement, true, true);

    const IniFile ini(file);
    EXPECT_EQ(ini.readString("FOrdakSetup", "Left", "?"), "-50");
    EXPECT_EQ(ini.readString("FOrdakSetup", "Top", "?"), "20");
    EXPECT_EQ(ini.readString("FOrdakSetup", "Right", "?"), "578");
    EXPECT_EQ(ini.readString("FOrdakSetup", "Bottom", "?"), "523");
    EXPECT_EQ(ini.readString("FOrdakSetup", "Maximized", "?"), "1");
    EXPECT_EQ(ini.readInteger("MISC", "Layout", 0), 7);
    EXPECT_FALSE(fs::exists(path("unused.ini")));
}

struct FlagsCase {
    const char* name;
    bool savePosition;
    bool saveSize;
    std::vector<std::string> written;
    std::vector<std::string> absent;
};

class PlacementStoreFlags : public PlacementStoreTest, public ::testing::WithParamInterface<FlagsCase>
{
};

TEST_P(PlacementStoreFlags, WritesOnlyTheChosenKeys)
{
    const auto& c = GetParam();
    const auto file = path("form.ini");
    PlacementStore(plIniFile, file, "").write("S", {{1, 2, 3, 4}, false}, c.savePosition, c.saveSize);
    const IniFile ini(file);
    for (const auto& key : c.written)
        EXPECT_TRUE(ini.valueExists("S", key)) << key;
    for (const auto& key : c.absent)
        EXPECT_FALSE(ini.valueExists("S", key)) << key;
    if (c.saveSize) {
        EXPECT_EQ(ini.readString("S", "Maximized", "?"), "0");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Flags, PlacementStoreFlags,
    ::testing::Values(
        FlagsCase{"PositionOnly", true, false, {"Left", "Top"}, {"Right", "Bottom", "Maximized"}},
        FlagsCase{"SizeOnly", false, true, {"Right", "Bottom", "Maximized"}, {"Left", "Top"}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(PlacementStoreTest, NeitherFlagWritesNothing)
{
    const auto file = path("form.ini");
    PlacementStore(plIniFile, file, "").write("S", kPlacement, false, false);
    EXPECT_FALSE(fs::exists(file));
}

TEST_F(PlacementStoreTest, ReadsIntegersWithTheCallersDefault)
{
    const auto file = path("form.ini");
    {
        std::ofstream(file) << "[fordaksetup]\r\nleft=-50\r\nTop=$10\r\nRight=wide\r\n";
    }
    const PlacementStore store(plIniFile, file, "");
    EXPECT_EQ(store.readInteger("FOrdakSetup", "Left", 7), -50);
    EXPECT_EQ(store.readInteger("FOrdakSetup", "Top", 7), 16);
    EXPECT_EQ(store.readInteger("FOrdakSetup", "Right", 7), 7);
    EXPECT_EQ(store.readInteger("FOrdakSetup", "Bottom", 7), 7);
    EXPECT_EQ(store.readInteger("Other", "Left", 7), 7);
    EXPECT_EQ(PlacementStore(plIniFile, path("missing.ini"), "").readInteger("FOrdakSetup", "Left", 7), 7);
    EXPECT_FALSE(fs::exists(path("missing.ini")));
}

TEST_F(PlacementStoreTest, UnwritableStoreRaisesWithTheFileName)
{
    const auto file = path("no-such-folder/form.ini");
    PlacementStore store(plIniFile, file, "");
    try {
        store.write("FOrdakSetup", kPlacement, true, true);
        FAIL() << "no error raised";
    } catch (const TavimoroError& error) {
        EXPECT_EQ(std::string(error.what()), "In " + file + " kann nicht geschrieben werden");
    }
}

} // namespace
