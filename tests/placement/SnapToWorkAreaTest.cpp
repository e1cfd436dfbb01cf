#include "placement/SnapToWorkArea.h"

#include <gtest/gtest.h>

#include <climits>

namespace
{

// Screen 1024 x 768 with a taskbar of 30 at the bottom, 60 at the left, 30 at the top or 60 at the right.
constexpr PlacementBounds kTaskbarBottom{0, 0, 1024, 738};
constexpr PlacementBounds kTaskbarLeft{60, 0, 1024, 768};
constexpr PlacementBounds kTaskbarTop{0, 30, 1024, 768};
constexpr PlacementBounds kTaskbarRight{0, 0, 964, 768};

struct SnapCase {
    const char* name;
    PlacementBounds area;
    int distance;
    int x, y, width, height;
    SnapPosition expected;
};

class SnapTable : public ::testing::TestWithParam<SnapCase>
{
};

TEST_P(SnapTable, CorrectsTheProposedPosition)
{
    const auto& c = GetParam();
    EXPECT_EQ(SnapToWorkArea(c.area, c.distance, c.x, c.y, c.width, c.height), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, SnapTable,
    ::testing::Values(
        SnapCase{"NearLeftSnaps", kTaskbarBottom, 32, 20, 100, 300, 200, {0, 100}},
        SnapCase{"OutsideDistanceStays", kTaskbarBottom, 32, 40, 100, 300, 200, {40, 100}},
        SnapCase{"NearRightSnaps", kTaskbarBottom, 32, 700, 100, 300, 200, {724, 100}},
        SnapCase{"NearBottomTaskbarSnaps", kTaskbarBottom, 32, 100, 520, 300, 200, {100, 538}},
        SnapCase{"TaskbarLeftIsTheLeftEdge", kTaskbarLeft, 32, 70, 100, 300, 200, {60, 100}},
        SnapCase{"TaskbarTopIsTheTopEdge", kTaskbarTop, 32, 100, 40, 300, 200, {100, 30}},
        SnapCase{"TaskbarRightIsTheRightEdge", kTaskbarRight, 32, 650, 100, 300, 200, {664, 100}},
        SnapCase{"BeyondLeftIsFlush", kTaskbarBottom, 32, -400, 100, 300, 200, {0, 100}},
        SnapCase{"BeyondTopIsFlush", kTaskbarTop, 32, 100, -90, 300, 200, {100, 30}},
        SnapCase{"BeyondRightIsFlush", kTaskbarBottom, 32, 5000, 100, 300, 200, {724, 100}},
        SnapCase{"BeyondBottomIsFlush", kTaskbarBottom, 32, 100, 5000, 300, 200, {100, 538}},
        SnapCase{"CornerSnapsBothWays", kTaskbarBottom, 32, 1000, 700, 300, 200, {724, 538}},
        SnapCase{"WiderThanAreaEndsAtRight", kTaskbarBottom, 32, 0, 100, 1000, 200, {24, 100}},
        SnapCase{"WiderThanAreaFromFarLeft", kTaskbarBottom, 32, -700, 100, 1000, 200, {24, 100}},
        SnapCase{"WiderThanAreaFromMiddle", kTaskbarBottom, 32, 300, 100, 1000, 200, {24, 100}},
        SnapCase{"TallerThanAreaEndsAtBottom", kTaskbarBottom, 32, 100, 10, 300, 720, {100, 18}},
        SnapCase{"ZeroDistanceOnlyKeepsInside", kTaskbarBottom, 0, 1, 1, 300, 200, {1, 1}},
        SnapCase{"ZeroDistanceFlushStays", kTaskbarBottom, 0, 724, 538, 300, 200, {724, 538}},
        SnapCase{
            "ExtremeCoordinatesDoNotOverflow", kTaskbarBottom, 32, INT_MAX, INT_MIN, 300, 200, {724, 0}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(SnapToWorkArea, SnappedPositionIsStable)
{
    // The correction is applied after the window moved, so applying it again must not move it further.
    for (const int x : {-500, 0, 20, 40, 700, 5000})
        for (const int width : {300, 1000}) {
            const auto once = SnapToWorkArea(kTaskbarBottom, 32, x, 300, width, 200);
            EXPECT_EQ(SnapToWorkArea(kTaskbarBottom, 32, once.x, once.y, width, 200), once)
                << "x=" << x << " width=" << width;
        }
}

} // namespace
