// Replacement on Windows: a file that cannot be replaced raises the write error and stays as it was.
#include "IniFileFixture.h"
#include "base/Error.h"
#include "base/IniFile.h"
#include "base/NativePath.h"
#include "base/WideText.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace
{

const std::string kOriginal = "[DEVICE]\r\nSettings_ORDAK=old\r\n";

void expectWriteRefusedAndFileKept(const std::string& path, const std::string& folder)
{
    try {
        IniFile(path).writeString("DEVICE", "Settings_ORDAK", "new");
        ADD_FAILURE() << "no error raised";
    } catch (const TavimoroError& e) {
        EXPECT_EQ(std::string(e.what()), "In " + path + " kann nicht geschrieben werden");
    }
    EXPECT_EQ(TempFolder::read(path), kOriginal);
    EXPECT_EQ(entriesOf(folder), std::vector<std::string>{"Tavimoro_SetupTool.ini"});
}

TEST_F(IniFileTest, ReadOnlyFileIsNotReplaced)
{
    TempFolder::write(path(), kOriginal);
    const std::wstring wide = widetext::fromUtf8(path());
    ASSERT_TRUE(SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_READONLY));
    expectWriteRefusedAndFileKept(path(), folder.path());
    SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(IniFileTest, FileLockedByAnotherProgramIsNotReplaced)
{
    TempFolder::write(path(), kOriginal);
    // Another program holds the file open and lets others read it, but neither write nor delete it.
    const HANDLE held = CreateFileW(widetext::fromUtf8(path()).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    expectWriteRefusedAndFileKept(path(), folder.path());
    CloseHandle(held);
}

TEST_F(IniFileTest, ReplacementKeepsTheFilesAttributes)
{
    TempFolder::write(path(), kOriginal);
    const std::wstring wide = widetext::fromUtf8(path());
    ASSERT_TRUE(SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_HIDDEN));
    IniFile(path()).writeString("DEVICE", "Settings_ORDAK", "new");
    EXPECT_EQ(TempFolder::read(path()), "[DEVICE]\r\nSettings_ORDAK=new\r\n");
    EXPECT_TRUE(GetFileAttributesW(wide.c_str()) & FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// User folders often carry letters outside ASCII; narrow paths would turn them into the ANSI code page.
TEST_F(IniFileTest, FolderNamesOutsideAsciiAreKept)
{
    const std::string userFolder = folder.path() + "\\J\xC3\xB6rg \xE6\x97\xA5\xE6\x9C\xAC";
    ASSERT_TRUE(std::filesystem::create_directory(NativePath(userFolder)));
    const std::string file = userFolder + "\\Tavimoro_SetupTool.ini";
    IniFile(file).writeString("MISC", "Language",
                              "Fran\xC3\xA7"
                              "ais");
    EXPECT_EQ(IniFile(file).readString("MISC", "Language", ""), "Fran\xC3\xA7"
                                                                "ais");
    EXPECT_TRUE(std::filesystem::is_regular_file(NativePath(file)));
}

} // namespace
