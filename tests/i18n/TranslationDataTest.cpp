#include "i18n/TranslationData.h"
#include "i18n/BuiltInTranslations.h"

#include <gtest/gtest.h>

namespace
{

const std::string kClass = "TFOrdakSetup";

TranslationTables read(std::string_view data)
{
    TranslationTables tables;
    i18n::ReadTranslationData(data, kClass, tables);
    return tables;
}

TEST(TranslationData, BuiltInDataHoldsTheWindowsTables)
{
    const auto tables = read(i18n::BuiltInTranslationData());
    EXPECT_EQ(tables[stCaptions].size(), 43u);
    EXPECT_EQ(tables[stHints].size(), 1u);
    EXPECT_EQ(tables[stMultiLines].size(), 6u);
    EXPECT_EQ(tables[stDlgsCaptions].size(), 15u);
    EXPECT_EQ(tables[stStrings].size(), 10u);
    EXPECT_EQ(tables[stOtherStrings].size(), 3u);
    for (const auto type : {stDisplayLabels, stFonts, stLocales, stCollections, stCharSets})
        EXPECT_TRUE(tables[type].empty()) << type;
    EXPECT_EQ(tables[stCaptions][1], "btnSend\x01Transfer &Settings\x01"
                                     "Ein&st. \xFC"
                                     "bertragen\x01");
    EXPECT_EQ(tables[stMultiLines][5], "rgTime.Items\x01"
                                       "24h,12h\x01\x01");
}

TEST(TranslationData, StoredLineBreaksRoundTrip)
{
    const std::string data = "stStrings\r\nstrTwoLines\x01one\x19\x1Atwo\x01"
                             "eins\x1A"
                             "zwei\x01\r\n";
    const auto tables = read(data);
    ASSERT_EQ(tables[stStrings].size(), 1u);
    EXPECT_EQ(tables[stStrings][0], "strTwoLines\x01one\r\ntwo\x01"
                                    "eins\nzwei\x01");
    const std::string written = i18n::WriteTranslationData(tables);
    EXPECT_NE(written.find("strTwoLines\x01one\x19\x1Atwo\x01"
                           "eins\x1A"
                           "zwei\x01\r\n"),
              std::string::npos);
    EXPECT_EQ(read(written), tables);
}

TEST(TranslationData, BuiltInDataRoundTripsByteForByte)
{
    const auto data = i18n::BuiltInTranslationData();
    EXPECT_EQ(i18n::WriteTranslationData(read(data)), data);
}

TEST(TranslationData, SectionLinesIgnoreCaseAndEmptyTheirTable)
{
    TranslationTables tables;
    tables[stHints] = {"old\x01x\x01"};
    tables[stFonts] = {"kept\x01y\x01"};
    i18n::ReadTranslationData("before\x01ignored\r\nSTHINTS\nnew\x01z\x01\rstCaptions\r\n", kClass, tables);
    EXPECT_EQ(tables[stHints], TranslationTable{"new\x01z\x01"});
    EXPECT_EQ(tables[stFonts], TranslationTable{"kept\x01y\x01"});
    EXPECT_TRUE(tables[stCaptions].empty());
}

TEST(TranslationData, WindowRowGoesToTheFront)
{
    const auto tables = read("stCaptions\r\na\x01x\x01\r\ntfordaksetup\x01title\x01\r\nb\x01y\x01\r\n");
    EXPECT_EQ(tables[stCaptions],
              (TranslationTable{"tfordaksetup\x01title\x01", "a\x01x\x01", "b\x01y\x01"}));
}

TEST(TranslationData, RowsOfTheListViewSectionAreDropped)
{
    const auto tables = read("stListView_TreeView_Items\r\nx\x01y\x01\r\nstCharSets\r\nc\x01"
                             "d\x01\r\n");
    EXPECT_EQ(tables[stCharSets], TranslationTable{"c\x01"
                                                   "d\x01"});
    for (std::size_t i = 0; i < stCharSets; ++i)
        EXPECT_TRUE(tables[i].empty());
}

TEST(TranslationData, Utf16IsConvertedToTheCodePage)
{
    const std::u16string text = u"stStrings\r\nstrX\x01Gr\u00FC\u00DF \u20AC \u4E2D\x01\r\n";
    std::string bytes;
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    const auto tables = read(bytes);
    ASSERT_EQ(tables[stStrings].size(), 1u);
    EXPECT_EQ(tables[stStrings][0], "strX\x01Gr\xFC\xDF \x80 ?\x01");
}

} // namespace
