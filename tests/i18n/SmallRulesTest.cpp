#include "base/MessageFormat.h"
#include "i18n/FileDialogFilter.h"
#include "i18n/FlagChoice.h"
#include "i18n/TextCase.h"
#include "i18n/WindowCaption.h"

#include <cctype>
#include <clocale>
#include <gtest/gtest.h>
#include <limits>

namespace
{

struct FlagCase {
    const char* name;
    i18n::FlagIndex flag;
};

void PrintTo(const FlagCase& c, std::ostream* os)
{
    *os << c.name;
}

class FlagChoice : public ::testing::TestWithParam<FlagCase>
{
};

TEST_P(FlagChoice, ByTheFirstThreeLetters)
{
    EXPECT_EQ(i18n::FlagForLanguage(GetParam().name), GetParam().flag) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Table, FlagChoice,
    ::testing::Values(FlagCase{"English", i18n::flagUnitedKingdom},
                      FlagCase{"English (US)", i18n::flagUnitedKingdom},
                      FlagCase{"ENG", i18n::flagUnitedKingdom}, FlagCase{"German", i18n::flagGermany},
                      FlagCase{"Deutsch", i18n::flagGermany}, FlagCase{"French", i18n::flagFrance},
                      FlagCase{"Fran\u00E7ais", i18n::flagFrance}, FlagCase{"Italiano", i18n::flagItaly},
                      FlagCase{"Netherlands", i18n::flagNetherlands},
                      FlagCase{"Dutch", i18n::flagNetherlands}, FlagCase{"Nederlands", i18n::flagUnknown},
                      FlagCase{"Spanish", i18n::flagSpain}, FlagCase{"Espa\u00F1ol", i18n::flagSpain},
                      FlagCase{"\u00C9spa", i18n::flagUnknown}, FlagCase{"en", i18n::flagUnknown},
                      FlagCase{"", i18n::flagUnknown}, FlagCase{"Klingon", i18n::flagUnknown}));

TEST(WindowCaption, AlwaysWithAPoint)
{
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8"); // may be missing; the caption must not care either way
    EXPECT_EQ(i18n::ComposeWindowCaption("Tavimoro Setup Tool"), "Tavimoro Setup Tool (Vers. 1.00)");
    EXPECT_EQ(i18n::ComposeWindowCaption("Tavimoro Einstellungswerkzeug", 2.5),
              "Tavimoro Einstellungswerkzeug (Vers. 2.50)");
    EXPECT_EQ(i18n::ComposeWindowCaption("%s%n%d"), "%s%n%d (Vers. 1.00)");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(FormatFixed, RendersHarmlessly)
{
    EXPECT_EQ(FormatFixed(1.0, 2), "1.00");
    EXPECT_EQ(FormatFixed(1.005, 0), "1");
    EXPECT_EQ(FormatFixed(-0.5, 1), "-0.5");
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::infinity(), 2), "0.00");
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::quiet_NaN(), 2), "0.00");
    EXPECT_EQ(FormatFixed(1e300, 2).size(), 304u);
    EXPECT_EQ(FormatFixed(1.0, 99999), "1.00000000000000000");
    EXPECT_EQ(FormatFixed(1.0, -4), "1");
}

TEST(FileDialogFilter, PairsBecomeNameFilters)
{
    using Filters = std::vector<std::string>;
    EXPECT_EQ(i18n::NameFiltersFromFilter("Settings Files (*.dat)|*.dat"), Filters{"Settings Files (*.dat)"});
    EXPECT_EQ(i18n::NameFiltersFromFilter("Setting Dateien|*.dat|Alle|*.dat;*.ini"),
              (Filters{"Setting Dateien (*.dat)", "Alle (*.dat *.ini)"}));
    EXPECT_EQ(i18n::NameFiltersFromFilter("Only a description"), Filters{"Only a description"});
    EXPECT_EQ(i18n::NameFiltersFromFilter(""), Filters{});
}

TEST(TextCase, NamesCompareWithoutCaseBeyondAscii)
{
    EXPECT_TRUE(i18n::SameName("FRAN\u00C7AIS", "fran\u00E7ais"));
    EXPECT_TRUE(i18n::SameName("\u0420\u0423\u0421", "\u0440\u0443\u0441"));
    EXPECT_TRUE(i18n::SameName("\u0395\u039B", "\u03B5\u03BB"));
    EXPECT_FALSE(i18n::SameName("Deutsch", "Deutsche"));
    EXPECT_TRUE(i18n::NameLess("alpha", "Beta"));
    EXPECT_TRUE(i18n::NameLess("English", "english"));
    EXPECT_FALSE(i18n::SameAsciiText("\xC4", "\xE4"));
}

} // namespace
