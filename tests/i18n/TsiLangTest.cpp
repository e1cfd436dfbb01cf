#include "i18n/TsiLang.h"
#include "BuiltInWindow.h"
#include "base/MessageFormat.h"
#include "i18n/LanguageError.h"
#include "i18n/MessageTexts.h"
#include "i18n/MessageTextsRefresh.h"
#include "i18n/TsiLangDispatcher.h"

#include <gtest/gtest.h>

namespace
{

class TsiLangTest : public ::testing::Test
{
protected:
    TsiLangTest()
    {
        addBuiltInComponents(window);
        translator.loadTranslationData(i18n::BuiltInTranslationData());
        translator.OnChangeLanguage = [this] { ++changes; };
        dispatcher.link(translator);
    }

    FakeWindow window;
    TsiLang translator{window, "FOrdakSetup", "TFOrdakSetup"};
    TsiLangDispatcher dispatcher;
    int changes = 0;
};

TEST_F(TsiLangTest, LinkingAtTheSameLanguageAppliesNothing)
{
    EXPECT_TRUE(window.writes.empty());
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(translator.ActiveLanguage(), 2);
    EXPECT_EQ(translator.Language(), "German");
}

TEST_F(TsiLangTest, GermanEnglishGermanRestoresEveryText)
{
    window.list("cboSex", "Items").selected = 1;
    window.list("cboLapMode", "Items").selected = 2;
    const auto designed = window.components;

    dispatcher.setLanguage("English");
    EXPECT_EQ(dispatcher.ActiveLanguage(), 1);
    EXPECT_EQ(translator.Language(), "English");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(window.text("btnSend", "Caption"), "Transfer &Settings");
    EXPECT_EQ(window.text("lblDev1", "Caption"), "  Click here to");
    EXPECT_EQ(window.text("lblDev2", "Caption"), "   test");
    EXPECT_EQ(window.text("lbDevLink", "Caption"), "PC  Link");
    EXPECT_EQ(window.text("imgDevice", "Hint"), "Click image for testing connection...");
    EXPECT_EQ(window.text("dlgOpen", "Filter"), "Settings Files (*.dat)|*.dat");
    EXPECT_EQ(window.list("cboSex", "Items").items, (std::vector<std::string>{"male", "female"}));
    EXPECT_EQ(window.list("cboSex", "Items").selected, 1);
    EXPECT_EQ(window.list("cboLapMode", "Items").selected, 2);
    const auto& memo = window.list("Memo1", "Lines");
    ASSERT_EQ(memo.items.size(), 3u);
    EXPECT_EQ(memo.items[1], "After setting the values just press the Transfer button ");
    EXPECT_TRUE(memo.wordWrap);
    EXPECT_EQ(window.list("rgTime", "Items").items, (std::vector<std::string>{"24h", "12h"}));
    EXPECT_EQ(window.text("FOrdakSetup", "Caption"), "Designed caption");

    dispatcher.setLanguage("German");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(window.text("btnClose", "Caption"), "&Schlie\u00DFen");
    for (const auto& [name, component] : designed) {
        EXPECT_EQ(window.components.at(name).texts, component.texts) << name;
        for (const auto& [property, list] : component.lists) {
            const auto& now = window.components.at(name).lists.at(property);
            EXPECT_EQ(now.items, list.items) << name;
            EXPECT_EQ(now.selected, list.selected) << name;
            EXPECT_EQ(now.wordWrap, list.wordWrap) << name;
        }
    }
}

TEST_F(TsiLangTest, GermanLeavesTheTimeItemsAsTheyAre)
{
    window.list("rgTime", "Items").items = {"a", "b"};
    dispatcher.setLanguage("English");
    EXPECT_EQ(window.list("rgTime", "Items").items, (std::vector<std::string>{"24h", "12h"}));
    window.list("rgTime", "Items").items = {"a", "b"};
    dispatcher.setLanguage("German");
    EXPECT_EQ(window.list("rgTime", "Items").items, (std::vector<std::string>{"a", "b"}));
}

TEST_F(TsiLangTest, UnchangedListIsNotTouched)
{
    dispatcher.setLanguage("English");
    const int opened = window.list("rgSpeed", "Items").updates;
    dispatcher.setLanguage("German");
    dispatcher.setLanguage("English");
    // The speed items read the same in both languages; the list is opened but never changed.
    EXPECT_EQ(window.list("rgSpeed", "Items").updates, opened + 2);
    EXPECT_EQ(window.list("rgSpeed", "Items").selected, 0);
}

TEST_F(TsiLangTest, ListsGrowAndShrinkInPlace)
{
    translator.tables()[stMultiLines] = {"cboSex.Items\x01one,two,three\x01solo\x01"};
    window.list("cboSex", "Items").selected = 1;
    dispatcher.setLanguage("English");
    EXPECT_EQ(window.list("cboSex", "Items").items, (std::vector<std::string>{"one", "two", "three"}));
    EXPECT_EQ(window.list("cboSex", "Items").selected, 1);
    dispatcher.setLanguage("German");
    EXPECT_EQ(window.list("cboSex", "Items").items, std::vector<std::string>{"solo"});
    EXPECT_EQ(window.list("cboSex", "Items").selected, -1);
}

TEST_F(TsiLangTest, UnknownNameFailsAndChangesNothing)
{
    try {
        dispatcher.setLanguage("French");
        FAIL() << "no error";
    } catch (const ELanguageError& error) {
        EXPECT_STREQ(error.what(), "Language name shall be included in LangNames property!");
    }
    EXPECT_EQ(dispatcher.Language(), "German");
    EXPECT_EQ(dispatcher.ActiveLanguage(), 2);
    EXPECT_THROW(translator.setLanguage("French"), ELanguageError);
    EXPECT_TRUE(window.writes.empty());
}

TEST_F(TsiLangTest, NumberOutOfRangeFailsWithTheRange)
{
    for (const int number : {0, 3, -1}) {
        try {
            translator.setActiveLanguage(number);
            FAIL() << number;
        } catch (const ELanguageError& error) {
            EXPECT_EQ(std::string(error.what()), "TFOrdakSetup: " + std::to_string(number) +
                                                     " - is not a valid property value!\r"
                                                     "Value must be within [1..2]!");
        }
    }
    EXPECT_THROW(dispatcher.setActiveLanguage(3), ELanguageError);
    EXPECT_EQ(dispatcher.ActiveLanguage(), 2);
    EXPECT_EQ(translator.ActiveLanguage(), 2);
    EXPECT_TRUE(window.writes.empty());
}

TEST_F(TsiLangTest, SameNameInOtherCaseAppliesNothingAndKeepsTheRequestedCase)
{
    dispatcher.setLanguage("gERMAN");
    EXPECT_EQ(dispatcher.Language(), "gERMAN");
    EXPECT_EQ(dispatcher.ActiveLanguage(), 2);
    EXPECT_EQ(changes, 0);
    EXPECT_TRUE(window.writes.empty());

    dispatcher.setLanguage("english");
    EXPECT_EQ(dispatcher.ActiveLanguage(), 1);
    EXPECT_EQ(dispatcher.Language(), "English");
    EXPECT_EQ(changes, 1);
}

TEST_F(TsiLangTest, GetTextOrDefaultFallsBack)
{
    translator.tables()[stStrings].push_back("strOnlyEnglish\x01Only English\x01\x01");
    translator.tables()[stStrings].push_back("strNoColumns");
    struct Case {
        const char* id;
        int language;
        std::string expected;
    };
    const Case cases[] = {
        {"strSTRAUTO", 2, "Autom. Erkennung"},
        {"STRstrauto", 2, "Autom. Erkennung"},
        {"strSTRAUTO", 1, "AUTODETECT"},
        {"strOnlyEnglish", 2, "Only English"},
        {"strNoColumns", 2, ""},
        {"strNotThere", 2, ""},
        {"", 1, ""},
        {"strStrSelectPredefinedVa", 2, "W\u00E4hlen Sie einen vordefinierten Wert"},
    };
    for (const auto& c : cases) {
        dispatcher.setActiveLanguage(c.language);
        EXPECT_EQ(translator.GetTextOrDefault(c.id), c.expected) << c.id;
    }
}

TEST_F(TsiLangTest, CaptionOfTheWindowNeverComesFromTheTables)
{
    translator.tables()[stCaptions].insert(translator.tables()[stCaptions].begin(),
                                           "TFOrdakSetup\x01Window EN\x01Window DE\x01");
    translator.tables()[stHints].insert(translator.tables()[stHints].begin(),
                                        "TFOrdakSetup\x01Hint EN\x01Hint DE\x01");
    window.at("FOrdakSetup").texts["Hint"] = "";
    dispatcher.setLanguage("English");
    EXPECT_EQ(window.text("FOrdakSetup", "Caption"), "Designed caption");
    EXPECT_EQ(window.text("FOrdakSetup", "Hint"), "Hint EN");

    translator.SmartExcludeProps.clear();
    dispatcher.setLanguage("German");
    EXPECT_EQ(window.text("FOrdakSetup", "Caption"), "Window DE");
}

TEST_F(TsiLangTest, RowsOfMissingComponentsAndEmptyRowsAreRemoved)
{
    auto& captions = translator.tables()[stCaptions];
    captions.push_back("btnGone\x01Gone\x01Weg\x01");
    captions.push_back("lblSex\x01\x01\x01");
    captions.push_back("LBLDATE\x01When\x01Wann\x01");
    translator.tables()[stOtherStrings].push_back("cboGone.Text\x01x\x01y\x01");
    dispatcher.setLanguage("English");
    const auto contains = [&](std::string_view row) {
        return std::find(captions.begin(), captions.end(), row) != captions.end();
    };
    EXPECT_FALSE(contains("btnGone\x01Gone\x01Weg\x01"));
    EXPECT_FALSE(contains("lblSex\x01\x01\x01"));
    EXPECT_TRUE(contains("LBLDATE\x01When\x01Wann\x01"));
    EXPECT_EQ(window.text("lblDate", "Caption"), "When");
    EXPECT_EQ(translator.tables()[stOtherStrings].size(), 3u);
}

TEST_F(TsiLangTest, AFailingPropertySkipsOnlyItsRow)
{
    window.at("btnSend").failingProperties = {"Caption"};
    dispatcher.setLanguage("English");
    EXPECT_EQ(window.text("btnSend", "Caption"), "Ein&st. \u00FCbertragen");
    EXPECT_EQ(window.text("btnClose", "Caption"), "&Close");
    EXPECT_EQ(changes, 1);
}

TEST_F(TsiLangTest, RowWithoutThePropertyChangesNothing)
{
    translator.tables()[stOtherStrings].push_back("cboSex.NoSuchProperty\x01x\x01y\x01");
    translator.tables()[stMultiLines].push_back("cboSex.Nothing\x01x\x01y\x01");
    translator.tables()[stOtherStrings].push_back("cboSex\x01no point\x01y\x01");
    dispatcher.setLanguage("English");
    EXPECT_EQ(window.at("cboSex").texts.size(), 1u);
    EXPECT_EQ(window.text("cboSex", "Text"), "male");
}

TEST_F(TsiLangTest, OnlyOneTranslatorPerWindow)
{
    try {
        TsiLang second(window, "FOrdakSetup", "TFOrdakSetup");
        FAIL() << "second translator created";
    } catch (const TavimoroError& error) {
        EXPECT_STREQ(error.what(), "Only one TsiCustomLang component per Form/DataModule allowed!");
    }
    FakeWindow other;
    EXPECT_NO_THROW(TsiLang(other, "FOther", "TFOther"));
}

TEST_F(TsiLangTest, DestroyedTranslatorUnlinksItself)
{
    FakeWindow other;
    {
        TsiLang second(other, "FOther", "TFOther");
        dispatcher.link(second);
        EXPECT_EQ(dispatcher.translators().size(), 2u);
    }
    EXPECT_EQ(dispatcher.translators().size(), 1u);
    dispatcher.setLanguage("English");
    EXPECT_EQ(changes, 1);
}

TEST_F(TsiLangTest, HostileFormatTextsFormatHarmlessly)
{
    translator.tables()[stStrings].push_back(
        "strStrNOTEItSeemsThat\x01%n%n%s%s%99999999d\x01%d %d %d %s %n\x01");
    const auto format = [&] { return translator.GetTextOrDefault("strStrNOTEItSeemsThat"); };
    // The built-in row comes first and is the one found.
    EXPECT_EQ(FormatMessage(format(), {5LL, 3LL}),
              "HINWEIS: Es scheint, dass das Tavimoro Interface an COMPort 5 angeschlossen ist "
              "(zugewiesen ist aber COMPort 3).");
    translator.tables()[stStrings].erase(translator.tables()[stStrings].begin() + 2);
    EXPECT_EQ(FormatMessage(format(), {5LL, 3LL}), "5 3 %d %s %n");
    dispatcher.setLanguage("English");
    EXPECT_EQ(FormatMessage(format(), {5LL, 3LL}), "%n%n53%99999999d");
}

TEST_F(TsiLangTest, MessageTextsFollowTheActiveLanguage)
{
    MessageTexts::setText("strUnrelated", "kept");
    i18n::RefreshMessageTexts(translator);
    EXPECT_EQ(MessageTexts::text(MessageTexts::strStrSendingDatas), "Sende Daten...");
    EXPECT_EQ(MessageTexts::text(MessageTexts::strStrOrdakInterfaceDetet),
              "Tavimoro Interface erkannt aber m\u00F6glicherweise ist ein falscher COMPort zugewiesen. ");
    dispatcher.setLanguage("English");
    i18n::RefreshMessageTexts(translator);
    EXPECT_EQ(MessageTexts::text(MessageTexts::strTOOLCAPTION), "Tavimoro Setup Tool");
    EXPECT_EQ(MessageTexts::text("strUnrelated"), "kept");
    translator.tables()[stStrings].clear();
    i18n::RefreshMessageTexts(translator);
    for (const auto id : MessageTexts::kAll)
        EXPECT_EQ(MessageTexts::text(id), "") << id;
    MessageTexts::clear();
}

TEST(TsiLangNames, EmptyNameListAcceptsAnyName)
{
    FakeWindow window;
    TsiLang translator(window, "FOrdakSetup", "TFOrdakSetup");
    translator.setLangNames({});
    translator.setLanguage("Klingon");
    EXPECT_EQ(translator.Language(), "Klingon");
    EXPECT_EQ(translator.ActiveLanguage(), 2);
}

} // namespace
