#include "placement/RestoredPlacement.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <set>
#include <string>

namespace
{

constexpr PlacementBounds kDesktop{0, 0, 1280, 1024};
constexpr WindowPlacement kCurrent{{100, 100, 728, 603}, false};

struct RestoreCase {
    const char* name;
    std::map<std::string, int> stored;
    bool savePosition = true;
    bool saveSize = true;
    WindowPlacement expected;
    std::set<std::string> keysRead{"Left", "Top", "Right", "Bottom", "Maximized"};
    WindowPlacement current = kCurrent;
};

class RestoreTable : public ::testing::TestWithParam<RestoreCase>
{
};

TEST_P(RestoreTable, AppliesTheStoredValuesOverTheCurrentOnes)
{
    const auto& c = GetParam();
    std::set<std::string> keysRead;
    const auto read = [&](std::string_view key, int def) {
        keysRead.emplace(key);
        const auto it = c.stored.find(std::string(key));
        return it == c.stored.end() ? def : it->second;
    };
    EXPECT_EQ(RestoredPlacement(read, c.current, c.savePosition, c.saveSize, kDesktop), c.expected);
    EXPECT_EQ(keysRead, c.keysRead);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, RestoreTable,
    ::testing::Values(
        RestoreCase{"AllKeys",
                    {{"Left", 10}, {"Top", 20}, {"Right", 510}, {"Bottom", 420}, {"Maximized", 0}},
                    true,
                    true,
                    {{10, 20, 510, 420}, false}},
        RestoreCase{"NothingStoredKeepsTheWindow", {}, true, true, kCurrent},
        RestoreCase{"BeyondDesktopRightMovesLeft",
                    {{"Left", 1300}, {"Top", 100}, {"Right", 1500}, {"Bottom", 400}},
                    true,
                    true,
                    {{1080, 100, 1280, 400}, false}},
        RestoreCase{"BeyondDesktopBottomMovesUp",
                    {{"Left", 0}, {"Top", 900}, {"Right", 300}, {"Bottom", 1200}},
                    true,
                    true,
                    {{0, 724, 300, 1024}, false}},
        RestoreCase{"NegativeLeftIsKept",
                    {{"Left", -50}, {"Top", -10}, {"Right", 578}, {"Bottom", 493}},
                    true,
                    true,
                    {{-50, -10, 578, 493}, false}},
        RestoreCase{"WithoutSaveSizeTheSizeStays",
                    {{"Left", 200}, {"Top", 300}, {"Right", 9999}, {"Bottom", 9999}, {"Maximized", 1}},
                    true,
                    false,
                    {{200, 300, 828, 803}, true},
                    {"Left", "Top", "Maximized"}},
        RestoreCase{"WithoutSavePositionOnlyTheSize",
                    {{"Left", 500}, {"Top", 500}, {"Right", 900}, {"Bottom", 700}},
                    false,
                    true,
                    {{100, 100, 900, 700}, false},
                    {"Right", "Bottom", "Maximized"}},
        RestoreCase{"MaximizedDefaultsToTheCurrentState",
                    {{"Left", 10}},
                    true,
                    true,
                    {{10, 100, 728, 603}, true},
                    {"Left", "Top", "Right", "Bottom", "Maximized"},
                    {{100, 100, 728, 603}, true}},
        RestoreCase{"StoredNotMaximizedWins",
                    {{"Maximized", 0}},
                    true,
                    true,
                    kCurrent,
                    {"Left", "Top", "Right", "Bottom", "Maximized"},
                    {{100, 100, 728, 603}, true}},
        RestoreCase{"AnyNonZeroIsMaximized", {{"Maximized", -7}}, true, true, {kCurrent.bounds, true}},
        RestoreCase{"InvertedRectangleKeepsTheCurrentSize",
                    {{"Left", 400}, {"Top", 300}, {"Right", 100}, {"Bottom", 300}},
                    true,
                    true,
                    {{400, 300, 1028, 803}, false}},
        RestoreCase{"LeftBeyondDefaultRightKeepsTheCurrentWidth",
                    {{"Left", 900}},
                    true,
                    true,
                    {{652, 100, 1280, 603}, false}},
        RestoreCase{"ExtremeValuesStayInRange",
                    {{"Left", INT_MIN}, {"Top", INT_MIN}, {"Right", INT_MAX}, {"Bottom", INT_MAX}},
                    true,
                    true,
                    {{INT_MIN, INT_MIN, 1280, 1024}, false}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(RestoredPlacement, DesktopNotStartingAtZeroUsesItsRightEdge)
{
    const auto read = [](std::string_view key, int def) {
        return key == "Left" ? 1300 : key == "Right" ? 1500 : def;
    };
    const PlacementBounds leftSecondScreen{-1920, 0, 1280, 1024};
    EXPECT_EQ(RestoredPlacement(read, kCurrent, true, true, leftSecondScreen).bounds,
              (PlacementBounds{1080, 100, 1280, 603}));
}

} // namespace
