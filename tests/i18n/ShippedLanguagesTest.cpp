#include "BuiltInWindow.h"
#include "TempFolder.h"
#include "i18n/LanguageFile.h"
#include "i18n/TsiLang.h"

#include <gtest/gtest.h>
#include <set>

namespace
{

const std::string kShipped = TAVIMORO_LANG_DIR;

struct Shipped {
    const char* file;
    const char* language;
};

void PrintTo(const Shipped& c, std::ostream* os)
{
    *os << c.file;
}

class ShippedLanguage : public ::testing::TestWithParam<Shipped>
{
protected:
    ShippedLanguage()
    {
        addBuiltInComponents(window);
        builtIn.loadTranslationData(i18n::BuiltInTranslationData());
        bytes = readBytes(kShipped + "/" + GetParam().file);
        loaded.readLanguageFile(LanguageFile::parse(bytes));
    }

    FakeWindow window;
    FakeWindow builtInWindow;
    TsiLang loaded{window, "FOrdakSetup", "TFOrdakSetup"};
    TsiLang builtIn{builtInWindow, "FOrdakSetup", "TFOrdakSetup"};
    std::string bytes;
};

TEST_P(ShippedLanguage, IsWindows1252WithCrLfLines)
{
    ASSERT_FALSE(bytes.empty());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        EXPECT_TRUE(byte != 0x81 && byte != 0x8D && byte != 0x8F && byte != 0x90 && byte != 0x9D) << i;
        if (byte == '\n') {
            EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << i;
        }
        if (byte == '\r') {
            EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << i;
        }
    }
    EXPECT_FALSE(loaded.isUtf8());
}

TEST_P(ShippedLanguage, NamesEnglishAndItsLanguage)
{
    EXPECT_EQ(loaded.LangNames(), (std::vector<std::string>{"English", GetParam().language}));
}

TEST_P(ShippedLanguage, HasEveryRowOfTheWindowInBothLanguages)
{
    for (std::size_t type = 0; type < builtIn.tables().size(); ++type) {
        std::set<std::string> keys;
        for (const auto& row : loaded.tables()[type]) {
            keys.emplace(i18n::RowKey(row));
            EXPECT_FALSE(i18n::RowColumn(row, 1).empty()) << row;
            const bool emptyOnPurpose =
                GetParam().language == std::string("German") && i18n::RowKey(row) == "rgTime.Items";
            EXPECT_NE(i18n::RowColumn(row, 2).empty(), !emptyOnPurpose) << row;
        }
        for (const auto& row : builtIn.tables()[type])
            EXPECT_TRUE(keys.contains(std::string(i18n::RowKey(row)))) << row;
        EXPECT_EQ(keys.size(), builtIn.tables()[type].size()) << i18n::kStringsTypeNames[type];
    }
}

TEST_P(ShippedLanguage, EnglishColumnIsTheBuiltInEnglish)
{
    for (std::size_t type = 0; type < builtIn.tables().size(); ++type) {
        for (const auto& row : builtIn.tables()[type]) {
            const auto it =
                std::find_if(loaded.tables()[type].begin(), loaded.tables()[type].end(),
                             [&](const std::string& r) { return i18n::RowKey(r) == i18n::RowKey(row); });
            ASSERT_NE(it, loaded.tables()[type].end()) << row;
            EXPECT_EQ(i18n::RowColumn(*it, 1), i18n::RowColumn(row, 1));
        }
    }
}

TEST_P(ShippedLanguage, PortNoteFormatTakesTwoNumbers)
{
    for (const int language : {1, 2}) {
        loaded.setActiveLanguage(language);
        const std::string format = loaded.GetTextOrDefault("strStrNOTEItSeemsThat");
        std::size_t directives = 0;
        for (std::size_t pos = format.find('%'); pos != std::string::npos; pos = format.find('%', pos + 1)) {
            EXPECT_EQ(format.substr(pos, 2), "%d");
            ++directives;
        }
        EXPECT_EQ(directives, 2u) << format;
    }
}

// The German texts are the window's designed ones; the added languages must not repeat an access key.
class AddedLanguage : public ShippedLanguage
{
};

TEST_P(AddedLanguage, AccessKeysAreUniqueInTheWindow)
{
    for (const int language : {1, 2}) {
        std::set<char> keys;
        for (const auto& row : loaded.tables()[stCaptions]) {
            const std::string text = cp1252::toUtf8(i18n::RowColumn(row, language));
            const auto amp = text.find('&');
            if (amp == std::string::npos || amp + 1 >= text.size())
                continue;
            const char key = static_cast<char>(std::tolower(static_cast<unsigned char>(text[amp + 1])));
            EXPECT_TRUE(keys.insert(key).second) << text;
        }
        EXPECT_EQ(keys.size(), 11u);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, AddedLanguage,
                         ::testing::Values(Shipped{"French.sil", "French"}, Shipped{"Italian.sil", "Italian"},
                                           Shipped{"Dutch.sil", "Dutch"}, Shipped{"Spanish.sil", "Spanish"}),
                         [](const auto& caseInfo) { return std::string(caseInfo.param.language); });

INSTANTIATE_TEST_SUITE_P(Files, ShippedLanguage,
                         ::testing::Values(Shipped{"German.sil", "German"}, Shipped{"French.sil", "French"},
                                           Shipped{"Italian.sil", "Italian"}, Shipped{"Dutch.sil", "Dutch"},
                                           Shipped{"Spanish.sil", "Spanish"}),
                         [](const auto& caseInfo) { return std::string(caseInfo.param.language); });

} // namespace
