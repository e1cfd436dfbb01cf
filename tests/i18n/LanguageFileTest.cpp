#include "i18n/LanguageFile.h"
#include "FakeWindow.h"
#include "i18n/TsiLang.h"

#include <gtest/gtest.h>

namespace
{

using namespace std::string_literals;

struct FileCase {
    const char* name;
    std::string file;
    TStringsType table;
    TranslationTable rows;
};

void PrintTo(const FileCase& c, std::ostream* os)
{
    *os << c.name;
}

class LanguageFileTables : public ::testing::TestWithParam<FileCase>
{
protected:
    LanguageFileTables()
    {
        for (const char* name : {"lblOdo1", "btnSend", "StatusBar1"})
            window.add(name).texts["Caption"] = "";
    }
    FakeWindow window;
};

TEST_P(LanguageFileTables, GiveTheRows)
{
    TsiLang translator(window, "FOrdakSetup", "TFOrdakSetup");
    translator.tables()[GetParam().table] = {"stale\x01row\x01"};
    translator.readLanguageFile(LanguageFile::parse(GetParam().file));
    EXPECT_EQ(translator.tables()[GetParam().table], GetParam().rows);
}

const std::string kStrings = "[Strings]\r\n";

INSTANTIATE_TEST_SUITE_P(
    Table, LanguageFileTables,
    ::testing::Values(
        FileCase{"DelimitedWithFinalDelimiter",
                 kStrings + "FOrdakSetup.strSTRAUTO=AUTODETECT~!@#Autom. Erkennung~!@#\r\n",
                 stStrings,
                 {"strSTRAUTO\x01"
                  "AUTODETECT\x01"
                  "Autom. Erkennung\x01"}},
        FileCase{"DelimitedWithoutFinalDelimiter",
                 kStrings + "FOrdakSetup.strSTRAUTO=AUTODETECT~!@#Autom. Erkennung\r\n",
                 stStrings,
                 {"strSTRAUTO\x01"
                  "AUTODETECT\x01"
                  "Autom. Erkennung\x01"}},
        FileCase{"ValueWithoutDelimiterGoesToBothLanguages",
                 "[Captions]\nFOrdakSetup.lblOdo1=Odo\n",
                 stCaptions,
                 {"lblOdo1\x01Odo\x01Odo\x01"}},
        FileCase{"OwnDelimiter",
                 "[OPTIONS]\nDELIMITER=|\n[Strings]\nFOrdakSetup.strX=English|Deutsch\n",
                 stStrings,
                 {"strX\x01"
                  "English\x01"
                  "Deutsch\x01"}},
        FileCase{"EmptyDelimiterSplitsNothing",
                 "[OPTIONS]\nDELIMITER=\n[Strings]\nFOrdakSetup.strX=a~!@#b\n",
                 stStrings,
                 {"strX\x01"
                  "a~!@#b\x01"
                  "a~!@#b\x01"}},
        FileCase{"LaterKeyWins",
                 kStrings + "FOrdakSetup.strX=first\r\nFORDAKSETUP.STRX=second\r\n",
                 stStrings,
                 {"STRX\x01second\x01second\x01"}},
        FileCase{"FirstSectionWins",
                 kStrings + "FOrdakSetup.strX=first\r\n[STRINGS]\r\nFOrdakSetup.strY=y\r\n",
                 stStrings,
                 {"strX\x01"
                  "first\x01"
                  "first\x01"}},
        FileCase{"SpacesAroundEqualsAreKept",
                 kStrings + "FOrdakSetup.strX = v\r\n",
                 stStrings,
                 {"strX \x01 v\x01 v\x01"}},
        FileCase{"KeyWithTrailingSpaceNamesNoComponent",
                 "[Captions]\r\nFOrdakSetup.lblOdo1 = Odo\r\n",
                 stCaptions,
                 {}},
        FileCase{"ByteOrderMarkHidesFirstSection",
                 "\xEF\xBB\xBF[Strings]\r\nFOrdakSetup.strX=x\r\n[Captions]\r\nFOrdakSetup.btnSend=s\r\n",
                 stStrings,
                 {}},
        FileCase{"NulEndsTheText",
                 kStrings + "FOrdakSetup.strX=a\0\r\nFOrdakSetup.strY=b\r\n"s,
                 stStrings,
                 {"strX\x01"
                  "a\x01"
                  "a\x01"}},
        FileCase{
            "CommentsEmptyLinesAndLinesBeforeSectionsSkipped",
            "FOrdakSetup.strA=before\r\n[Strings]\r\n;FOrdakSetup.strB=comment\r\n\r\nFOrdakSetup.strC\r\n",
            stStrings,
            {"strC\x01\x01"}},
        FileCase{"OtherWindowsKeysSkippedClassNameAccepted",
                 kStrings + "FOther.strA=a\r\nTFOrdakSetup.strB=b\r\nFOrdakSetupX.strC=c\r\nstrD=d\r\n",
                 stStrings,
                 {"strB\x01"
                  "b\x01"
                  "b\x01"}},
        FileCase{"CollectionsBrackets",
                 "[Collections]\nFOrdakSetup.StatusBar1.Panels-0+.Text-x+=a~!@#b\n",
                 stCollections,
                 {"StatusBar1.Panels[0].Text-x+\x01"
                  "a\x01"
                  "b\x01"}},
        FileCase{"StoredLineBreaks",
                 kStrings + "FOrdakSetup.strX=one\x19\x1Atwo~!@#eins\x1A\r\n",
                 stStrings,
                 {"strX\x01one\r\ntwo\x01"
                  "eins\n\x01"}},
        FileCase{"KeysSortedWithoutCase",
                 kStrings + "FOrdakSetup.strb=2\nFOrdakSetup.STRA=1\nFOrdakSetup.strC=3\n",
                 stStrings,
                 {"STRA\x01"
                  "1\x01"
                  "1\x01",
                  "strb\x01"
                  "2\x01"
                  "2\x01",
                  "strC\x01"
                  "3\x01"
                  "3\x01"}},
        FileCase{"MissingSectionEmptiesTheTable", "[Captions]\r\nFOrdakSetup.btnSend=x\r\n", stStrings, {}},
        FileCase{"WindowRowGoesToTheFront",
                 "[Captions]\r\nFOrdakSetup.btnSend=s\r\nTFOrdakSetup.TFOrdakSetup=Title\r\n",
                 stCaptions,
                 {"TFOrdakSetup\x01Title\x01Title\x01", "btnSend\x01s\x01s\x01"}},
        FileCase{"CleanedOnLoad",
                 "[Captions]\r\nFOrdakSetup.btnGone=x\r\nFOrdakSetup.btnSend=~!@#~!@#\r\nFOrdakSetup.LBLODO1="
                 "o\r\n",
                 stCaptions,
                 {"LBLODO1\x01o\x01o\x01"}},
        FileCase{"StringsAreNotCleaned",
                 kStrings + "FOrdakSetup.strEmpty=~!@#~!@#\r\n",
                 stStrings,
                 {"strEmpty\x01\x01\x01"}},
        FileCase{"SectionNamesIgnoreCaseLoneLineEnds",
                 "[strings]\rFOrdakSetup.strX=a\nFOrdakSetup.strY=b",
                 stStrings,
                 {"strX\x01"
                  "a\x01"
                  "a\x01",
                  "strY\x01"
                  "b\x01"
                  "b\x01"}},
        FileCase{
            "SectionHeaderNeedsClosingBracketLast", "[Strings] \r\nFOrdakSetup.strX=x\r\n", stStrings, {}}),
    [](const auto& caseInfo) { return caseInfo.param.name; });

TEST(LanguageFileOptions, NamesAndUtf8Flag)
{
    FakeWindow window;
    TsiLang translator(window, "FOrdakSetup", "TFOrdakSetup");
    translator.readLanguageFile(LanguageFile::parse("[OPTIONS]\nIsUTF8File=0x1\n"
                                                    "[Language names - for internal use only!]\n"
                                                    "Language_1=English\nLanguage_2=\xCE\x95\xCE\xBB\n"
                                                    "Language_4=Skipped\n"));
    EXPECT_TRUE(translator.isUtf8());
    EXPECT_EQ(translator.LangNames(), (std::vector<std::string>{"English", "\xCE\x95\xCE\xBB"}));
    EXPECT_EQ(translator.NumOfLanguages(), 2);

    translator.readLanguageFile(LanguageFile::parse("[OPTIONS]\nIsUTF8File=nonsense\n"
                                                    "[language NAMES - for internal use only!]\n"
                                                    "Language_1=Fran\xE7"
                                                    "ais\n"));
    EXPECT_FALSE(translator.isUtf8());
    EXPECT_EQ(translator.LangNames(), std::vector<std::string>{"Fran\u00E7ais"});
    EXPECT_EQ(translator.NumOfLanguages(), 1);

    translator.readLanguageFile(LanguageFile::parse("[Strings]\n"));
    EXPECT_EQ(translator.LangNames(), std::vector<std::string>{"Fran\u00E7ais"});
}

TEST(LanguageFileReader, KeysWithoutEqualsAndValuesWithEquals)
{
    const auto file = LanguageFile::parse("[S]\nplain\na=b=c\n[]\nx=y\n");
    EXPECT_EQ(file.value("s", "PLAIN"), "");
    EXPECT_EQ(file.value("S", "a"), "b=c");
    EXPECT_EQ(file.value("", "x"), "y");
    EXPECT_FALSE(file.value("S", "missing"));
    EXPECT_FALSE(file.hasSection("T"));
}

} // namespace
