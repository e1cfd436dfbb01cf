// Replacement on Linux: permissions and links survive, and a write that fails half-way keeps the old file.
#include "../support/FileSizeLimit.h"
#include "IniFileFixture.h"
#include "base/Error.h"
#include "base/IniFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace
{

namespace fs = std::filesystem;

TEST_F(IniFileTest, ReplacementKeepsPermissionsAndLinks)
{
    const std::string target = folder.file("real.ini");
    TempFolder::write(target, "[S]\r\nk=1\r\n");
    ::chmod(target.c_str(), 0640);
    fs::create_symlink(target, path());
    IniFile(path()).writeString("S", "k", "2");
    EXPECT_TRUE(fs::is_symlink(path()));
    EXPECT_EQ(TempFolder::read(target), "[S]\r\nk=2\r\n");
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(IniFileTest, AFailedWriteLeavesTheOldFileIntact)
{
    const std::string original = "[DEVICE]\nSettings_ORDAK=old\n; keep me\n";
    TempFolder::write(path(), original);
    IniFile ini(path());
    {
        FileSizeLimit limit(512);
        EXPECT_THROW(ini.writeString("DEVICE", "Settings_ORDAK", std::string(4096, 'n')), TavimoroError);
    }
    EXPECT_EQ(TempFolder::read(path()), original);
    EXPECT_EQ(entriesOf(folder.path()), std::vector<std::string>{"Tavimoro_SetupTool.ini"});
    EXPECT_EQ(ini.readString("DEVICE", "Settings_ORDAK", ""), "old");
}

} // namespace
