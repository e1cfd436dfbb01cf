#include "BuiltInWindow.h"
#include "TempFolder.h"
#include "base/Error.h"
#include "i18n/LanguageChoice.h"
#include "i18n/TsiLang.h"
#include "i18n/TsiLangDispatcher.h"

#include <gtest/gtest.h>

namespace
{

const std::string kShipped = TAVIMORO_LANG_DIR;

class ChooseLanguage : public ::testing::Test
{
protected:
    ChooseLanguage()
    {
        addBuiltInComponents(window);
        translator.loadTranslationData(i18n::BuiltInTranslationData());
        translator.OnChangeLanguage = [this] { ++changes; };
        dispatcher.link(translator);
        for (const char* name : {"German.sil", "French.sil"})
            program.write(std::string("Lang/") + name, readBytes(kShipped + "/" + name));
    }

    // Counts loads by watching the names the dispatcher holds before and after.
    void choose(const std::string& name) { i18n::ChooseLanguage(dispatcher, name, program.path()); }

    FakeWindow window;
    TsiLang translator{window, "FOrdakSetup", "TFOrdakSetup"};
    TsiLangDispatcher dispatcher;
    TempFolder program;
    int changes = 0;
};

TEST_F(ChooseLanguage, FrenchEnglishGerman)
{
    choose("French");
    EXPECT_EQ(dispatcher.LangNames(), (std::vector<std::string>{"English", "French"}));
    EXPECT_EQ(dispatcher.Language(), "French");
    EXPECT_EQ(window.text("btnClose", "Caption"), "&Fermer");
    EXPECT_EQ(translator.GetTextOrDefault("strTOOLCAPTION"), "Outil de configuration Tavimoro");

    // English is a name of every file: switching to it loads nothing.
    std::filesystem::remove(program.path() + "/Lang/French.sil");
    choose("English");
    EXPECT_EQ(dispatcher.LangNames(), (std::vector<std::string>{"English", "French"}));
    EXPECT_EQ(window.text("btnClose", "Caption"), "&Close");

    choose("German");
    EXPECT_EQ(dispatcher.LangNames(), (std::vector<std::string>{"English", "German"}));
    EXPECT_EQ(dispatcher.Language(), "German");
    EXPECT_EQ(window.text("btnClose", "Caption"), "&Schlie\u00DFen");
    EXPECT_EQ(translator.GetTextOrDefault("strSTRAUTO"), "Autom. Erkennung");
}

TEST_F(ChooseLanguage, MissingFileFailsAndKeepsTheLanguage)
{
    EXPECT_THROW(choose("Klingon"), TavimoroError);
    EXPECT_THROW(choose(""), TavimoroError);
    EXPECT_THROW(choose("../Lang/German"), TavimoroError);
    EXPECT_EQ(dispatcher.Language(), "German");
    EXPECT_EQ(window.text("btnClose", "Caption"), "&Schlie\u00DFen");
    EXPECT_EQ(changes, 0);
}

TEST_F(ChooseLanguage, FileWithoutTheNameFallsBackToEnglish)
{
    program.write("Lang/Swiss.sil",
                  "[Language names - for internal use only!]\r\nLanguage_1=English\r\n"
                  "Language_2=Deutsch\r\n[Captions]\r\nFOrdakSetup.btnClose=Close~!@#Zu\r\n");
    choose("Swiss");
    EXPECT_EQ(dispatcher.Language(), "English");
    EXPECT_EQ(window.text("btnClose", "Caption"), "Close");
}

TEST_F(ChooseLanguage, ConfiguredLanguageWithoutItsFileStartsInEnglish)
{
    i18n::ActivateConfiguredLanguage(dispatcher, "French", program.path());
    EXPECT_EQ(dispatcher.Language(), "French");
    i18n::ActivateConfiguredLanguage(dispatcher, "Klingon", program.path());
    EXPECT_EQ(dispatcher.Language(), "English");
    EXPECT_EQ(window.text("btnClose", "Caption"), "&Close");
}

TEST_F(ChooseLanguage, ActiveLanguageAppliesNothing)
{
    choose("german");
    EXPECT_EQ(changes, 0);
    EXPECT_TRUE(window.writes.empty());
}

} // namespace
