#include "ui/StylePalettes.h"
#include "ui/StyleColor.h"
#include "ui/StyleSheets.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace
{

constexpr double kBodyText = 4.5;
// Greyed-out menu entries are meant to recede, yet must stay legible.
constexpr double kDisabledText = 3.0;

struct ContrastCase {
    std::uint32_t a;
    std::uint32_t b;
    double ratio;
};

class ContrastTable : public ::testing::TestWithParam<ContrastCase>
{
};

TEST_P(ContrastTable, MatchesTheGuidelineFormula)
{
    const auto& c = GetParam();
    const auto a = StyleColor::fromRgb(c.a), b = StyleColor::fromRgb(c.b);
    EXPECT_NEAR(ContrastRatio(a, b), c.ratio, 0.01);
    EXPECT_DOUBLE_EQ(ContrastRatio(a, b), ContrastRatio(b, a));
}

INSTANTIATE_TEST_SUITE_P(KnownPairs, ContrastTable,
                         ::testing::Values(ContrastCase{0x000000, 0xffffff, 21.0},
                                           ContrastCase{0x777777, 0x777777, 1.0},
                                           ContrastCase{0x777777, 0xffffff, 4.48},
                                           ContrastCase{0x0000ff, 0xffffff, 8.59},
                                           ContrastCase{0xff0000, 0x000000, 5.25}));

TEST(StyleColor, HexIsLowerCaseSixDigits)
{
    EXPECT_EQ(StyleColor::fromRgb(0x0a246a).hex(), "#0a246a");
    EXPECT_EQ(StyleColor::fromRgb(0xFFFFFF).hex(), "#ffffff");
}

class EveryStyle : public ::testing::TestWithParam<int>
{
};

TEST_P(EveryStyle, KeepsEveryTextReadable)
{
    const StylePalette& p = StylePalettes::forStyle(GetParam());
    const std::vector<std::pair<const char*, std::pair<StyleColor, StyleColor>>> pairs = {
        {"panel text on panel top", {p.panelText, p.panelTop}},
        {"panel text on panel bottom", {p.panelText, p.panelBottom}},
        {"menu bar text on bar top", {p.menuBarText, p.menuBarTop}},
        {"menu bar text on bar bottom", {p.menuBarText, p.menuBarBottom}},
        {"menu text on menu", {p.menuText, p.menuBackground}},
        {"highlighted text on highlight", {p.menuHighlightText, p.menuHighlight}},
        {"status text on bar top", {p.statusText, p.statusTop}},
        {"status text on bar bottom", {p.statusText, p.statusBottom}},
    };
    for (const auto& [what, colours] : pairs)
        EXPECT_GE(ContrastRatio(colours.first, colours.second), kBodyText) << p.name << ": " << what;
    EXPECT_GE(ContrastRatio(p.menuDisabledText, p.menuBackground), kDisabledText) << p.name;
    // A greyed-out entry must still look different from an enabled one.
    EXPECT_NE(p.menuDisabledText, p.menuText) << p.name;
}

INSTANTIATE_TEST_SUITE_P(Offered, EveryStyle, ::testing::ValuesIn(StylePalettes::kOffered));

TEST(StylePalettes, NamesAndNumbersInMenuOrder)
{
    const std::vector<std::pair<int, std::string>> expected = {
        {0, "Office2003Blue"},    {1, "Office2003Silver"}, {2, "Office2003Olive"},
        {3, "Office2003Classic"}, {4, "Office2007Luna"},   {5, "Office2007Obsidian"},
        {6, "WindowsXP"},         {7, "Whidbey"},          {9, "Office2007Silver"}};
    std::vector<std::pair<int, std::string>> actual;
    for (const int style : StylePalettes::kOffered)
        actual.emplace_back(StylePalettes::forStyle(style).style, StylePalettes::forStyle(style).name);
    EXPECT_EQ(actual, expected);
}

TEST(StylePalettes, StylesWithoutALookShowTheDesignedOne)
{
    for (const int style : {8, 10, 42, 255, -1}) {
        EXPECT_FALSE(StylePalettes::hasOwnLook(style)) << style;
        EXPECT_EQ(StylePalettes::forStyle(style).name, std::string("Office2007Obsidian")) << style;
    }
    for (const int style : StylePalettes::kOffered)
        EXPECT_TRUE(StylePalettes::hasOwnLook(style)) << style;
}

double distance(StyleColor a, StyleColor b)
{
    const auto d = [](int x, int y) { return double(x - y) * (x - y); };
    return std::sqrt(d(a.red, b.red) + d(a.green, b.green) + d(a.blue, b.blue));
}

TEST(StylePalettes, EveryStyleLooksDifferent)
{
    // Summed over the panel, menu bar, highlight and status bar colours, each pair differs visibly.
    constexpr double kVisible = 40.0;
    for (const int a : StylePalettes::kOffered)
        for (const int b : StylePalettes::kOffered) {
            if (a >= b)
                continue;
            const StylePalette &pa = StylePalettes::forStyle(a), &pb = StylePalettes::forStyle(b);
            const double apart =
                distance(pa.panelTop, pb.panelTop) + distance(pa.panelBottom, pb.panelBottom) +
                distance(pa.menuBarBottom, pb.menuBarBottom) + distance(pa.menuHighlight, pb.menuHighlight) +
                distance(pa.statusBottom, pb.statusBottom);
            EXPECT_GE(apart, kVisible) << pa.name << " vs " << pb.name;
        }
}

TEST(StyleSheets, PanelRulesReachOnlyTheMarkedPanel)
{
    const std::string sheet = StyleSheets::panelSheet(StylePalettes::forStyle(0));
    const std::string marker = std::string("*[") + StyleSheets::kPanelProperty + "=\"true\"]";
    std::size_t selectors = 0;
    // Every selector of every rule starts at the marked panel.
    for (std::size_t start = 0; start < sheet.size();) {
        const std::size_t brace = sheet.find('{', start);
        if (brace == std::string::npos)
            break;
        std::string list = sheet.substr(start, brace - start);
        for (std::size_t from = 0; from <= list.size();) {
            std::size_t comma = list.find(',', from);
            if (comma == std::string::npos)
                comma = list.size();
            std::string selector = list.substr(from, comma - from);
            selector.erase(0, selector.find_first_not_of(" \n"));
            EXPECT_EQ(selector.rfind(marker, 0), 0u) << selector;
            ++selectors;
            from = comma + 1;
        }
        start = sheet.find('}', brace) + 1;
    }
    EXPECT_GE(selectors, 2u);
    EXPECT_NE(sheet.find("#e3efff"), std::string::npos);
    EXPECT_NE(sheet.find("#a5c4f2"), std::string::npos);
}

} // namespace
