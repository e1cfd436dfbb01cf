// Without a registry the user's hive is an INI file; each key path is a section of it.
#include "placement/PlacementStore.h"

#include "../support/TempFolder.h"

#include <gtest/gtest.h>

namespace
{

constexpr WindowPlacement kPlacement{{-50, 20, 578, 523}, true};

TEST(PlacementStoreRegistry, StandInFileKeepsTheKeyPathAsSectionPrefix)
{
    const TempFolder folder;
    // The folder of the stand-in is created on first use, like a registry key.
    const auto hive = folder.file("config/placement-registry.ini");
    PlacementStore writer(plRegistry, "Software\\Nelvo\\SetupTool\\", hive);
    EXPECT_EQ(writer.fileSection("FOrdakSetup"), "Software\\Nelvo\\SetupTool\\FOrdakSetup");
    writer.write("FOrdakSetup", kPlacement, true, true);

    const IniFile ini(hive);
    EXPECT_EQ(ini.readString("Software\\Nelvo\\SetupTool\\FOrdakSetup", "Left", "?"), "-50");
    EXPECT_EQ(ini.readString("software\\nelvo\\setuptool\\fordaksetup", "Maximized", "?"), "1");
    EXPECT_FALSE(ini.sectionExists("FOrdakSetup"));

    const PlacementStore reader(plRegistry, "Software\\Nelvo\\SetupTool", hive);
    EXPECT_EQ(reader.readInteger("FOrdakSetup", "Bottom", 0), 523);
    EXPECT_EQ(PlacementStore(plRegistry, "Software\\Other", hive).readInteger("FOrdakSetup", "Bottom", 0), 0);
}

} // namespace
