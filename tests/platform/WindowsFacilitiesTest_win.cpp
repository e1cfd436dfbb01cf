// The Windows facilities against the system Wine provides: the shell's folders, the loader, file search.
#include "platform/DynamicLibrary.h"
#include "platform/FileSearch.h"
#include "platform/SpecialFolders.h"
#include "platform/SystemInfo.h"

#include "../support/TempFolder.h"
#include "base/NativePath.h"
#include "base/WideText.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>

namespace
{

TEST(SpecialFolder, IsTheUsersRoamingApplicationDataFolder)
{
    const std::string folder = platform::GetSpecialFolder();
    const char* appData = std::getenv("APPDATA");
    ASSERT_NE(appData, nullptr);
    EXPECT_EQ(folder, appData);
    EXPECT_EQ(folder.find('\0'), std::string::npos);
    EXPECT_NE(folder.back(), '\\');
    EXPECT_TRUE(std::filesystem::is_directory(NativePath(folder)));
}

TEST(ProgramFolder, IsTheExecutablesFolderUnlessChosen)
{
    wchar_t exe[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    const std::string expected = widetext::toUtf8(exe).substr(0, widetext::toUtf8(exe).find_last_of('\\'));
    EXPECT_EQ(platform::ProgramFolder(), expected);

    _putenv_s("TAVIMORO_PROGRAM_FOLDER", "C:\\Tools\\Tavimoro");
    EXPECT_EQ(platform::ProgramFolder(), "C:\\Tools\\Tavimoro");
    _putenv_s("TAVIMORO_PROGRAM_FOLDER", "");
}

TEST(SystemInfo, WindowsIsOfTheNtFamily)
{
    EXPECT_TRUE(platform::IsNtPlatform());
}

TEST(DynamicLibrary, LoadsLooksUpAndFrees)
{
    platform::LibraryHandle library = platform::LoadDynamicLibrary("kernel32.dll");
    ASSERT_NE(library, nullptr);
    EXPECT_EQ(platform::DynamicLibraryEntry(library, "GetTickCount"),
              reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetTickCount")));
    EXPECT_EQ(platform::DynamicLibraryEntry(library, "CP210x_Open"), nullptr);
    EXPECT_EQ(platform::DynamicLibraryEntry(library, nullptr), nullptr);
    platform::FreeDynamicLibrary(library);
}

TEST(DynamicLibrary, MissingOrEmptyFileLoadsNothing)
{
    EXPECT_EQ(platform::LoadDynamicLibrary("CP210xManufacturing_6x_absent.dll"), nullptr);
    EXPECT_EQ(platform::LoadDynamicLibrary(""), nullptr);
    EXPECT_EQ(platform::DynamicLibraryEntry(nullptr, "GetTickCount"), nullptr);
    platform::FreeDynamicLibrary(nullptr);
}

struct SearchCase {
    const char* name;
    const char* mask;
    std::vector<std::string> expected; // sorted

    friend void PrintTo(const SearchCase& c, std::ostream* out) { *out << c.name; }
};

const SearchCase kSearches[] = {
    {"ExtensionIgnoresCase", "*.sil", {"English.SIL", "French.sil", "J\xC3\xB6rg.sil"}},
    {"QuestionMarkIsOneCharacter", "?rench.sil", {"French.sil"}},
    {"FoldersAreSkipped", "*", {"English.SIL", "French.sil", "J\xC3\xB6rg.sil", "notes.txt"}},
    {"NothingMatches", "*.dat", {}},
};

class FindFilesWin : public ::testing::TestWithParam<SearchCase>
{
};

TEST_P(FindFilesWin, ListsTheMatchingFilesOfTheFolder)
{
    TempFolder folder;
    for (const char* name : {"English.SIL", "French.sil", "J\xC3\xB6rg.sil", "notes.txt"})
        std::ofstream(NativePath(folder.path() + "\\" + name)) << "x";
    std::filesystem::create_directory(NativePath(folder.path() + "\\Folder.sil"));

    std::vector<std::string> found{"kept"};
    const int count = platform::FindFiles(folder.path(), GetParam().mask, &found);
    EXPECT_EQ(count, static_cast<int>(found.size()));
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(found.front(), "kept");
    found.erase(found.begin());
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, GetParam().expected);
    EXPECT_EQ(platform::FindFiles(folder.path(), GetParam().mask, nullptr), 0);
}

INSTANTIATE_TEST_SUITE_P(Table, FindFilesWin, ::testing::ValuesIn(kSearches),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
