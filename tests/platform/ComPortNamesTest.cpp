#include "platform/ComPortNames.h"

#include <gtest/gtest.h>

namespace
{

struct NodeCase {
    const char* node;
    std::optional<int> com;
};

class ComNodeMap : public ::testing::TestWithParam<NodeCase>
{
};

TEST_P(ComNodeMap, MapsNodesToComNumbersAndBack)
{
    const auto& c = GetParam();
    EXPECT_EQ(comport::comNumberForNode(c.node), c.com);
    if (c.com) {
        EXPECT_EQ(comport::nodeForComNumber(*c.com), std::string(c.node));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ComNodeMap,
    ::testing::Values(NodeCase{"ttyS0", 1}, NodeCase{"ttyS31", 32}, NodeCase{"ttyUSB0", 33},
                      NodeCase{"ttyUSB31", 64}, NodeCase{"ttyACM0", 65}, NodeCase{"ttyACM31", 96},
                      NodeCase{"ttyS32", std::nullopt}, NodeCase{"ttyUSB01", std::nullopt},
                      NodeCase{"ttyUSB-3", std::nullopt}, NodeCase{"ttyS-0", std::nullopt},
                      NodeCase{"ttyAMA0", std::nullopt}, NodeCase{"ttyUSB", std::nullopt},
                      NodeCase{"tty0", std::nullopt}));

TEST(ComPortNames, ComNumberParsesOnlyComNames)
{
    EXPECT_EQ(comport::comNumber("COM12"), 12);
    EXPECT_EQ(comport::comNumber("com7"), 7);
    EXPECT_EQ(comport::comNumber("COMX"), std::nullopt);
    EXPECT_EQ(comport::comNumber("COM"), std::nullopt);
    EXPECT_EQ(comport::comNumber("COM-1"), std::nullopt);
    EXPECT_EQ(comport::comNumber("COM99999999999"), std::nullopt);
    EXPECT_EQ(comport::nodeForComNumber(0), std::nullopt);
    EXPECT_EQ(comport::nodeForComNumber(97), std::nullopt);
}

} // namespace
