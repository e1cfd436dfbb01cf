#include "placement/PlacementSection.h"

#include <gtest/gtest.h>

namespace
{

struct SectionCase {
    bool saveUser;
    bool saveMachine;
    const char* expected;
};

class SectionTable : public ::testing::TestWithParam<SectionCase>
{
};

TEST_P(SectionTable, AppendsUserThenMachine)
{
    const auto& c = GetParam();
    EXPECT_EQ(PlacementSection("FOrdakSetup", c.saveUser, c.saveMachine, "user1", "PC1"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Flags, SectionTable,
                         ::testing::Values(SectionCase{false, false, "FOrdakSetup"},
                                           SectionCase{true, false, "FOrdakSetup-user1"},
                                           SectionCase{false, true, "FOrdakSetup-PC1"},
                                           SectionCase{true, true, "FOrdakSetup-user1-PC1"}));

TEST(PlacementSection, UnknownNameStillGetsItsDash)
{
    EXPECT_EQ(PlacementSection("FOrdakSetup", true, true, "", ""), "FOrdakSetup--");
}

} // namespace
