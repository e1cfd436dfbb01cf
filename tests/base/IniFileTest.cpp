#include "base/IniFile.h"
#include "base/Error.h"

#include "IniFileFixture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

namespace
{

namespace fs = std::filesystem;

const std::string kNotFound = "<default>";

struct ReadCase {
    const char* name;
    std::string content;
    const char* section;
    const char* key;
    std::string expected;
};

void PrintTo(const ReadCase& c, std::ostream* os)
{
    *os << c.name;
}

class IniRead : public ::testing::TestWithParam<ReadCase>
{
protected:
    TempFolder folder;
};

TEST_P(IniRead, FindsTheValueAWindowsProfileReaderWouldFind)
{
    const ReadCase& c = GetParam();
    const std::string path = folder.file("read.ini");
    TempFolder::write(path, c.content);
    EXPECT_EQ(IniFile(path).readString(c.section, c.key, kNotFound), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, IniRead,
    ::testing::Values(
        ReadCase{"plain", "[DEVICE]\r\nSettings_ORDAK=0011\r\n", "DEVICE", "Settings_ORDAK", "0011"},
        ReadCase{"section and key without case", "[Device]\r\nsettings_ordak=1\r\n", "DEVICE",
                 "SETTINGS_ORDAK", "1"},
        ReadCase{"cp1252 letters without case", "[\xC4RGER]\r\n\xDC=1\r\n", "\xC3\xA4rger", "\xC3\xBC", "1"},
        ReadCase{"spaces and tabs around key and value trimmed", "[ S ]\r\n \t key \t=  a b \t\r\n", "S",
                 "key", "a b"},
        ReadCase{"first of two equal sections wins", "[S]\r\nk=first\r\n[s]\r\nk=second\r\nj=only\r\n", "S",
                 "k", "first"},
        ReadCase{"keys of a repeated section are not merged", "[S]\r\nk=1\r\n[s]\r\nj=2\r\n", "S", "j",
                 kNotFound},
        ReadCase{"first of two equal keys wins", "[S]\r\nk=first\r\nK=second\r\n", "S", "k", "first"},
        ReadCase{"value keeps further equals signs", "[S]\r\nk=a=b\r\n", "S", "k", "a=b"},
        ReadCase{"empty value is a value", "[S]\r\nk=\r\n", "S", "k", ""},
        ReadCase{"LF line ends", "[S]\nk=lf\n", "S", "k", "lf"},
        ReadCase{"lone CR line ends", "[S]\rk=cr\r", "S", "k", "cr"},
        ReadCase{"no line end at the end", "[S]\r\nk=last", "S", "k", "last"},
        ReadCase{"key before any section belongs to none", "k=orphan\r\n[S]\r\n", "S", "k", kNotFound},
        ReadCase{"comment line is no key", "[S]\r\n;k=commented\r\n", "S", ";k", kNotFound},
        ReadCase{"text after the closing bracket ignored", "[S] trailing\r\nk=1\r\n", "S", "k", "1"},
        ReadCase{"missing section", "[S]\r\nk=1\r\n", "T", "k", kNotFound},
        ReadCase{"missing key", "[S]\r\nk=1\r\n", "S", "j", kNotFound},
        ReadCase{"line without equals sign skipped", "[S]\r\nnoise\r\nk=1\r\n", "S", "k", "1"},
        ReadCase{"NUL bytes are ordinary text", std::string("[S]\r\nx=\0\0\r\nk=1\r\n", 16), "S", "k", "1"},
        ReadCase{"Windows-1252 value read as UTF-8", "[S]\r\nk=M\xFCller \x80\r\n", "S", "k",
                 "M\xC3\xBCller \xE2\x82\xAC"},
        ReadCase{"empty file", "", "S", "k", kNotFound}));

struct IntegerCase {
    const char* text;
    std::optional<int> expected;
};

class IniInteger : public ::testing::TestWithParam<IntegerCase>
{
};

TEST_P(IniInteger, ParsesDecimalAndBothHexForms)
{
    EXPECT_EQ(IniFile::parseInteger(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Table, IniInteger,
    ::testing::Values(
        IntegerCase{"42", 42}, IntegerCase{"-42", -42}, IntegerCase{"+7", 7}, IntegerCase{"007", 7},
        IntegerCase{"$1F", 31}, IntegerCase{"$1f", 31}, IntegerCase{"0x1f", 31}, IntegerCase{"0X1F", 31},
        IntegerCase{"-$10", -16}, IntegerCase{"-0x10", -16}, IntegerCase{"$FFFFFFFF", -1},
        IntegerCase{"$7FFFFFFF", INT_MAX}, IntegerCase{"$100000000", std::nullopt},
        IntegerCase{"2147483647", INT_MAX}, IntegerCase{"2147483648", std::nullopt},
        IntegerCase{"-2147483648", INT_MIN}, IntegerCase{"-2147483649", std::nullopt},
        IntegerCase{"99999999999999999999999", std::nullopt}, IntegerCase{"", std::nullopt},
        IntegerCase{"-", std::nullopt}, IntegerCase{"$", std::nullopt}, IntegerCase{"0x", std::nullopt},
        IntegerCase{"12a", std::nullopt}, IntegerCase{"1 2", std::nullopt}, IntegerCase{"1.5", std::nullopt},
        IntegerCase{"$G", std::nullopt}, IntegerCase{"--1", std::nullopt}, IntegerCase{"x10", std::nullopt}));

TEST_F(IniFileTest, IntegersFromTheFileAreTrimmedAndFallBackToTheDefault)
{
    TempFolder::write(path(), "[MISC]\r\nCPort=  $0A  \r\nStyle=abc\r\nBig=4294967296\r\n");
    IniFile ini(path());
    EXPECT_EQ(ini.readInteger("misc", "cport", -1), 10);
    EXPECT_EQ(ini.readInteger("MISC", "Style", 3), 3);
    EXPECT_EQ(ini.readInteger("MISC", "Big", 5), 5);
    EXPECT_EQ(ini.readInteger("MISC", "Missing", -1), -1);
}

TEST_F(IniFileTest, ReadingAMissingFileCreatesNothing)
{
    const std::string missing = folder.file("sub/none.ini");
    IniFile ini(missing);
    EXPECT_EQ(ini.readString("DEVICE", "Settings_ORDAK", "d"), "d");
    EXPECT_EQ(ini.readInteger("DEVICE", "x", 9), 9);
    EXPECT_FALSE(ini.sectionExists("DEVICE"));
    EXPECT_FALSE(ini.valueExists("DEVICE", "x"));
    EXPECT_TRUE(ini.readSections().empty());
    EXPECT_FALSE(fs::exists(folder.file("sub")));
}

TEST_F(IniFileTest, ExistenceAndListingsFollowTheFirstOccurrence)
{
    TempFolder::write(path(), "[A]\r\nx=1\r\ny=\r\nX=dup\r\n[b]\r\nz=1\r\n[a]\r\nw=2\r\n");
    IniFile ini(path());
    EXPECT_TRUE(ini.sectionExists("a"));
    EXPECT_TRUE(ini.valueExists("A", "Y"));
    EXPECT_FALSE(ini.valueExists("A", "w"));
    EXPECT_EQ(ini.readSections(), (std::vector<std::string>{"A", "b"}));
    EXPECT_EQ(ini.readSection("a"), (std::vector<std::string>{"x", "y"}));
    EXPECT_TRUE(ini.readSection("none").empty());
}

TEST_F(IniFileTest, ValuesAreReadUpTo2047Characters)
{
    const std::string huge(1024 * 1024, 'v');
    TempFolder::write(path(), "[S]\r\nk=" + huge + "\r\nn=" + std::string(3000, '1') + "\r\nafter=ok\r\n");
    IniFile ini(path());
    EXPECT_EQ(ini.readString("S", "k", ""), std::string(2047, 'v'));
    EXPECT_EQ(ini.readString("S", "after", ""), "ok");
    EXPECT_EQ(ini.readInteger("S", "n", -7), -7);
}

TEST_F(IniFileTest, WritingCreatesFileAndSectionWithCrLf)
{
    IniFile ini(path());
    ini.writeString("DEVICE", "Settings_ORDAK", "0000");
    EXPECT_EQ(TempFolder::read(path()), "[DEVICE]\r\nSettings_ORDAK=0000\r\n");
    ini.writeInteger("MISC", "CPort", -1);
    EXPECT_EQ(TempFolder::read(path()), "[DEVICE]\r\nSettings_ORDAK=0000\r\n\r\n[MISC]\r\nCPort=-1\r\n");
    EXPECT_EQ(ini.readInteger("misc", "cport", 0), -1);
}

TEST_F(IniFileTest, WritingOneKeyKeepsEveryOtherLine)
{
    TempFolder::write(path(), "; made by hand\n"
                              "[MISC]\n"
                              "Style = 3\n"
                              "\n"
                              "[device]\n"
                              "Other=x ; not a comment\n"
                              "SETTINGS_ordak=old\n"
                              "junk line\n"
                              "\n"
                              "[FOrdakSetup]\n"
                              "Left=10\n"
                              "[DEVICE]\n"
                              "Settings_ORDAK=shadowed\n");
    IniFile ini(path());
    ini.writeString("DEVICE", "Settings_ORDAK", "new");
    ini.writeString("Device", "Added", "1");
    ini.writeString("DEVICE", "settings_ordak", "newer");
    EXPECT_EQ(TempFolder::read(path()), "; made by hand\r\n"
                                        "[MISC]\r\n"
                                        "Style = 3\r\n"
                                        "\r\n"
                                        "[device]\r\n"
                                        "Other=x ; not a comment\r\n"
                                        "SETTINGS_ordak=newer\r\n"
                                        "Added=1\r\n"
                                        "junk line\r\n"
                                        "\r\n"
                                        "[FOrdakSetup]\r\n"
                                        "Left=10\r\n"
                                        "[DEVICE]\r\n"
                                        "Settings_ORDAK=shadowed\r\n");
    EXPECT_EQ(ini.readString("DEVICE", "Settings_ORDAK", ""), "newer");
    EXPECT_EQ(ini.readInteger("MISC", "Style", 0), 3);
}

TEST_F(IniFileTest, TextIsStoredAsWindows1252)
{
    IniFile ini(path());
    ini.writeString("S", "Name", "M\xC3\xBCller \xE2\x82\xAC \xE4\xB8\xAD");
    EXPECT_EQ(TempFolder::read(path()), "[S]\r\nName=M\xFCller \x80 ?\r\n");
    EXPECT_EQ(ini.readString("S", "Name", ""), "M\xC3\xBCller \xE2\x82\xAC ?");
}

TEST_F(IniFileTest, AnotherWriterIsSeenAndNotOverwritten)
{
    IniFile first(path());
    IniFile second(path());
    first.writeString("MISC", "Language", "German");
    EXPECT_EQ(second.readString("MISC", "Language", ""), "German");
    second.writeString("MISC", "Style", "5");
    first.writeString("MISC", "Language", "English");
    EXPECT_EQ(first.readString("MISC", "Style", ""), "5");
    EXPECT_EQ(second.readString("MISC", "Language", ""), "English");
}

struct UnwritableCase {
    const char* name;
    // Prepares the folder and returns the path to write.
    std::string (*prepare)(const TempFolder&);
};

void PrintTo(const UnwritableCase& c, std::ostream* os)
{
    *os << c.name;
}

class IniUnwritable : public ::testing::TestWithParam<UnwritableCase>
{
protected:
    TempFolder folder;
};

TEST_P(IniUnwritable, RaisesTheWriteErrorAndLeavesNoTrace)
{
    const std::string target = GetParam().prepare(folder);
    const auto before = entriesOf(folder.path());
    try {
        IniFile(target).writeString("DEVICE", "Settings_ORDAK", "1");
        FAIL() << "no error";
    } catch (const TavimoroError& e) {
        EXPECT_EQ(std::string(e.what()), "In " + target + " kann nicht geschrieben werden");
    }
    EXPECT_EQ(entriesOf(folder.path()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Table, IniUnwritable,
    ::testing::Values(UnwritableCase{"target is a folder",
                                     [](const TempFolder& f) {
                                         fs::create_directory(f.file("dir.ini"));
                                         return f.file("dir.ini");
                                     }},
                      UnwritableCase{"parent is a file",
                                     [](const TempFolder& f) {
                                         TempFolder::write(f.file("plain"), "x");
                                         return f.file("plain/a.ini");
                                     }},
                      UnwritableCase{"parent is missing",
                                     [](const TempFolder& f) { return f.file("no/a.ini"); }},
                      UnwritableCase{"empty name", [](const TempFolder&) { return std::string(); }}));

struct BadWrite {
    const char* section;
    const char* key;
    std::string value;
};

class IniBadWrite : public ::testing::TestWithParam<BadWrite>
{
protected:
    TempFolder folder;
};

TEST_P(IniBadWrite, RefusesWhatCouldNotBeReadBackAndKeepsTheFile)
{
    const std::string path = folder.file("a.ini");
    TempFolder::write(path, "[S]\r\nk=1\r\n");
    try {
        IniFile(path).writeString(GetParam().section, GetParam().key, GetParam().value);
        FAIL() << "no error";
    } catch (const TavimoroError& e) {
        EXPECT_TRUE(std::string(e.what()).starts_with("In " + path + " kann nicht geschrieben werden"));
    }
    EXPECT_EQ(TempFolder::read(path), "[S]\r\nk=1\r\n");
}

INSTANTIATE_TEST_SUITE_P(Table, IniBadWrite,
                         ::testing::Values(BadWrite{"S", "k", "a\r\n[X]"}, BadWrite{"S", "k", "a\nb"},
                                           BadWrite{"S", "k", std::string("a\0b", 3)},
                                           BadWrite{"S", "a=b", "1"}, BadWrite{"S", " ", "1"},
                                           BadWrite{"", "k", "1"}, BadWrite{"S]", "k", "1"},
                                           BadWrite{"S", "[k", "1"}, BadWrite{"S", ";k", "1"},
                                           BadWrite{"S\n", "k", "1"}));

TEST_F(IniFileTest, LargeFilesAreParsedOnceAndQuickly)
{
    std::string content = "[S]\r\n";
    for (int i = 0; i < 100000; ++i)
        content += "key" + std::to_string(i) + "=" + std::to_string(i) + "\n";
    TempFolder::write(path(), content);
    IniFile ini(path());
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 100000; i += 100)
        ASSERT_EQ(ini.readInteger("s", "KEY" + std::to_string(i), -1), i);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

TEST_F(IniFileTest, AnyBytesAreReadWithoutHarm)
{
    std::string noise;
    unsigned state = 12345;
    for (int i = 0; i < 200000; ++i) {
        state = state * 1103515245 + 12345;
        noise += static_cast<char>((state >> 16) & 0xFF);
    }
    TempFolder::write(path(), noise + "\n[S]\nk=found\n");
    IniFile ini(path());
    EXPECT_EQ(ini.readString("S", "k", ""), "found");
    for (const std::string& section : ini.readSections())
        ini.readSection(section);
    ini.writeString("S", "k", "written");
    EXPECT_EQ(IniFile(path()).readString("S", "k", ""), "written");
}

} // namespace
