#include "i18n/CommaText.h"

#include <gtest/gtest.h>

namespace
{

using Items = std::vector<std::string>;

struct ParseCase {
    const char* name;
    std::string text;
    Items items;
};

void PrintTo(const ParseCase& c, std::ostream* os)
{
    *os << c.name;
}

class CommaTextParse : public ::testing::TestWithParam<ParseCase>
{
};

TEST_P(CommaTextParse, GivesTheItems)
{
    EXPECT_EQ(i18n::ParseCommaText(GetParam().text), GetParam().items);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CommaTextParse,
    ::testing::Values(
        ParseCase{"Plain", "male,female", {"male", "female"}},
        ParseCase{"QuotedWithCommaAndSpace", R"("km/h, km","m/h, miles")", {"km/h, km", "m/h, miles"}},
        ParseCase{"DoubledQuote", R"("say ""hi""",x)", {"say \"hi\"", "x"}},
        ParseCase{"SpaceEndsUnquotedItem", "a b", {"a", "b"}},
        ParseCase{"SpacesAroundCommaSkipped", "  a ,  b  ", {"a", "b"}},
        ParseCase{"TrailingCommaAddsEmpty", "a,", {"a", ""}},
        ParseCase{"TrailingCommaAfterSpaceAddsNothing", "a, ", {"a"}},
        ParseCase{"EmptyBetweenCommas", "a,,b", {"a", "", "b"}}, ParseCase{"LeadingComma", ",a", {"", "a"}},
        ParseCase{"Empty", "", {}}, ParseCase{"OnlyBlanks", " \t ", {}},
        ParseCase{"QuotedEmpty", R"("")", {""}},
        ParseCase{"UnclosedQuoteRunsToEnd", R"("abc, def)", {"abc, def"}},
        ParseCase{"TextAfterClosingQuoteIsNextItem", R"("ab"cd,e)", {"ab", "cd", "e"}},
        ParseCase{"TrailingSpaceInsideQuotes", R"("button ",x)", {"button ", "x"}},
        ParseCase{"ControlCharactersSeparate", "a\tb\rc", {"a", "b", "c"}},
        ParseCase{"HighBytesAreText", "m\xE4nnlich,weiblich", {"m\xE4nnlich", "weiblich"}},
        ParseCase{"NulEndsText", std::string("a,b\0,c", 6), {"a", "b"}}),
    [](const auto& caseInfo) { return caseInfo.param.name; });

TEST(CommaTextCompose, QuotesOnlyWhatNeedsIt)
{
    EXPECT_EQ(i18n::ComposeCommaText({"male", "female"}), "male,female");
    EXPECT_EQ(i18n::ComposeCommaText({"km/h, km", "m/h, miles"}), R"("km/h, km","m/h, miles")");
    EXPECT_EQ(i18n::ComposeCommaText({"a\"b", ""}), R"("a""b","")");
    EXPECT_EQ(i18n::ComposeCommaText({}), "");
}

TEST(CommaTextCompose, RoundTripsAwkwardItems)
{
    const std::vector<Items> lists = {
        {""},           {"", ""}, {" lead", "trail ", "in side"}, {"\"", "\"\"", ","}, {"tab\there", "x"},
        {"m\xE4nnlich"}};
    for (const auto& items : lists)
        EXPECT_EQ(i18n::ParseCommaText(i18n::ComposeCommaText(items)), items)
            << i18n::ComposeCommaText(items);
}

} // namespace
