#include "BuiltInWindow.h"
#include "TempFolder.h"
#include "base/Error.h"
#include "i18n/TsiLang.h"
#include "i18n/TsiLangDispatcher.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace
{

const std::string kShipped = TAVIMORO_LANG_DIR;

class DispatcherLoad : public ::testing::Test
{
protected:
    DispatcherLoad()
    {
        addBuiltInComponents(window);
        translator.loadTranslationData(i18n::BuiltInTranslationData());
        translator.OnChangeLanguage = [this] { ++changes; };
        dispatcher.link(translator);
    }

    FakeWindow window;
    TsiLang translator{window, "FOrdakSetup", "TFOrdakSetup"};
    TsiLangDispatcher dispatcher;
    TempFolder folder;
    int changes = 0;
};

TranslationTable sorted(TranslationTable rows)
{
    std::sort(rows.begin(), rows.end());
    return rows;
}

TEST_F(DispatcherLoad, ShippedGermanFileHoldsTheBuiltInTables)
{
    const TranslationTables builtIn = translator.tables();
    dispatcher.LoadFromLanguageFile(kShipped + "/German.sil");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(dispatcher.LangNames(), (std::vector<std::string>{"English", "German"}));
    for (std::size_t type = 0; type < builtIn.size(); ++type)
        EXPECT_EQ(sorted(translator.tables()[type]), sorted(builtIn[type])) << i18n::kStringsTypeNames[type];
    EXPECT_TRUE(window.writes.empty());
}

TEST_F(DispatcherLoad, LoadingAppliesTheSameNumberAndTakesTheNamesOver)
{
    const std::string path =
        folder.write("Pair.sil", "[Language names - for internal use only!]\r\n"
                                 "Language_1=Alpha\r\nLanguage_2=Beta\r\nLanguage_3=Gamma\r\n"
                                 "[Captions]\r\nFOrdakSetup.btnSend=A~!@#B~!@#C\r\n");
    dispatcher.LoadFromLanguageFile(path);
    EXPECT_EQ(window.text("btnSend", "Caption"), "B");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(dispatcher.LangNames(), (std::vector<std::string>{"Alpha", "Beta", "Gamma"}));
    EXPECT_EQ(dispatcher.NumOfLanguages(), 3);
    EXPECT_EQ(dispatcher.Language(), "Beta");
    EXPECT_EQ(translator.Language(), "Beta");
    EXPECT_EQ(dispatcher.ActiveLanguage(), 2);
    // Without a Strings section every message text is gone; captions keep what they show.
    EXPECT_EQ(translator.GetTextOrDefault("strSTRAUTO"), "");
    EXPECT_EQ(window.text("btnClose", "Caption"), "&Schlie\u00DFen");

    dispatcher.setLanguage("gamma");
    EXPECT_EQ(window.text("btnSend", "Caption"), "C");
    EXPECT_EQ(dispatcher.Language(), "Gamma");
}

TEST_F(DispatcherLoad, UnreadableFileChangesNothing)
{
    const std::string folderPath = folder.path() + "/x.sil";
    std::filesystem::create_directory(folderPath);
    const TranslationTables before = translator.tables();
    for (const std::string& path : {folder.path() + "/missing.sil", folderPath}) {
        try {
            dispatcher.LoadFromLanguageFile(path);
            FAIL() << path;
        } catch (const TavimoroError& error) {
            EXPECT_EQ(std::string(error.what()).rfind("Cannot open file \"" + path + "\". ", 0), 0u)
                << error.what();
        }
    }
    EXPECT_EQ(translator.tables(), before);
    EXPECT_EQ(dispatcher.LangNames(), (std::vector<std::string>{"English", "German"}));
    EXPECT_EQ(changes, 0);
}

TEST_F(DispatcherLoad, Utf8FileKeepsItsLettersAndNames)
{
    const std::string path = folder.write(
        "Greek.sil",
        "[OPTIONS]\nIsUTF8File=1\n"
        "[Language names - for internal use only!]\n"
        "Language_1=English\nLanguage_2=\u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC\n"
        "[Captions]\nFOrdakSetup.btnSend=Send~!@#\u0391\u03C0\u03BF\u03C3\u03C4\u03BF\u03BB\u03AE\n"
        "[Strings]\nFOrdakSetup.strSTRAUTO=AUTO~!@#\u0391\u03C5\u03C4\u03CC\u03BC\u03B1\u03C4\u03B1\n");
    dispatcher.LoadFromLanguageFile(path);
    EXPECT_EQ(dispatcher.Language(), "\u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC");
    EXPECT_EQ(window.text("btnSend", "Caption"), "\u0391\u03C0\u03BF\u03C3\u03C4\u03BF\u03BB\u03AE");
    EXPECT_EQ(translator.GetTextOrDefault("strSTRAUTO"), "\u0391\u03C5\u03C4\u03CC\u03BC\u03B1\u03C4\u03B1");
}

TEST(DispatcherWithoutTranslators, LoadKeepsItsNames)
{
    TsiLangDispatcher dispatcher;
    TempFolder folder;
    dispatcher.LoadFromLanguageFile(
        folder.write("a.sil", "[Language names - for internal use only!]\nLanguage_1=X\n"));
    EXPECT_EQ(dispatcher.LangNames(), (std::vector<std::string>{"English", "German"}));
    EXPECT_EQ(dispatcher.Language(), "German");
}

} // namespace
