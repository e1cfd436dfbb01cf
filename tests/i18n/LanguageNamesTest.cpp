#include "i18n/LanguageNames.h"
#include "TempFolder.h"
#include "platform/FileSearch.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace
{

const std::string kShipped = TAVIMORO_LANG_DIR;

std::string namesFile(const std::string& first, const std::string& second)
{
    return "[Language names - for internal use only!]\r\nLanguage_1=" + first + "\r\nLanguage_2=" + second +
           "\r\nLanguage_3=Third\r\n";
}

TEST(FindFiles, MatchesFilesOnlyWithoutCase)
{
    TempFolder folder;
    folder.write("German.sil", "");
    folder.write("UPPER.SIL", "");
    folder.write(".hidden.sil", "");
    folder.write("notes.txt", "");
    folder.write("sub/inner.sil", "");
    std::filesystem::create_directory(folder.path() + "/x.sil");
    std::vector<std::string> list{"already"};
    EXPECT_EQ(platform::FindFiles(folder.path(), "*.sil", &list), 4);
    std::sort(list.begin() + 1, list.end());
    EXPECT_EQ(list, (std::vector<std::string>{"already", ".hidden.sil", "German.sil", "UPPER.SIL"}));
    EXPECT_EQ(platform::FindFiles(folder.path() + "/", "?erman.sil", &list), 5);
    EXPECT_EQ(platform::FindFiles(folder.path(), "*.sil", nullptr), 0);
    EXPECT_EQ(platform::FindFiles(folder.path() + "/missing", "*.sil", &list), 5);
}

TEST(LoadLanguageFiles, ShippedGermanAndFrenchGiveThreeNames)
{
    TempFolder program;
    for (const char* name : {"German.sil", "French.sil"})
        program.write(std::string("Lang/") + name, readBytes(kShipped + "/" + name));
    EXPECT_EQ(i18n::LoadLanguageFiles(program.path()),
              (std::vector<std::string>{"English", "French", "German"}));
}

TEST(LoadLanguageFiles, EveryShippedFileAddsItsLanguage)
{
    TempFolder program;
    for (const auto& entry : std::filesystem::directory_iterator(kShipped)) {
        if (entry.path().extension() == ".sil")
            program.write("Lang/" + entry.path().filename().string(), readBytes(entry.path().string()));
    }
    EXPECT_EQ(i18n::LoadLanguageFiles(program.path()),
              (std::vector<std::string>{"Dutch", "English", "French", "German", "Italian", "Spanish"}));
}

TEST(LoadLanguageFiles, MissingFolderGivesNoNames)
{
    TempFolder program;
    EXPECT_TRUE(i18n::LoadLanguageFiles(program.path()).empty());
    EXPECT_TRUE(i18n::LoadLanguageFiles(program.path() + "/nowhere").empty());
}

TEST(LoadLanguageFiles, NamesAreDistinctSortedWithoutCase)
{
    TempFolder program;
    program.write("Lang/a.sil", namesFile("English", "zulu"));
    program.write("Lang/b.sil", namesFile("ENGLISH", "Alpha"));
    program.write("Lang/c.sil", namesFile("beta", ""));
    program.write("Lang/d.sil", namesFile("Beta", ""));
    program.write("Lang/e.txt", namesFile("Ignored", "Ignored"));
    std::filesystem::create_directory(program.path() + "/Lang/x.sil");
    auto names = i18n::LoadLanguageFiles(program.path());
    ASSERT_EQ(names.size(), 5u);
    EXPECT_EQ(names[0], "");
    EXPECT_EQ(names[1], "Alpha");
    EXPECT_TRUE(names[2] == "beta" || names[2] == "Beta");
    EXPECT_TRUE(names[3] == "English" || names[3] == "ENGLISH");
    EXPECT_EQ(names[4], "zulu");
}

TEST(AddLanguageNames, FirstSpellingStays)
{
    TempFolder folder;
    std::vector<std::string> names;
    i18n::AddLanguageNames(folder.write("1.sil", namesFile("English", "German")), names);
    i18n::AddLanguageNames(folder.write("2.sil", namesFile("english", "French")), names);
    i18n::AddLanguageNames(folder.write("3.sil", "[Other]\r\nLanguage_1=Nope\r\n"), names);
    EXPECT_EQ(names, (std::vector<std::string>{"English", "German", "French", ""}));
}

TEST(AddLanguageNames, Utf8FileKeepsNonLatinNames)
{
    TempFolder folder;
    std::vector<std::string> names;
    i18n::AddLanguageNames(
        folder.write("ru.sil", "[OPTIONS]\r\nIsUTF8File=1\r\n" +
                                   namesFile("English", "\u0420\u0443\u0441\u0441\u043A\u0438\u0439")),
        names);
    EXPECT_EQ(names, (std::vector<std::string>{"English", "\u0420\u0443\u0441\u0441\u043A\u0438\u0439"}));
}

} // namespace
