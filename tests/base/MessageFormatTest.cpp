#include "base/MessageFormat.h"

#include <gtest/gtest.h>

namespace
{

TEST(FormatMessage, FillsIntegersAndTextsInOrder)
{
    EXPECT_EQ(FormatMessage("COMPort %d (but it is assigned to COMPort %d).", {7LL, 3LL}),
              "COMPort 7 (but it is assigned to COMPort 3).");
    EXPECT_EQ(FormatMessage("In %s kann nicht geschrieben werden", {std::string("a.ini")}),
              "In a.ini kann nicht geschrieben werden");
    EXPECT_EQ(FormatMessage("100%% %d", {5LL}), "100% 5");
}

struct Hostile {
    const char* format;
    const char* expected;
};

class HostileFormats : public ::testing::TestWithParam<Hostile>
{
};

TEST_P(HostileFormats, NeverReadBeyondTheArgumentsGiven)
{
    EXPECT_EQ(FormatMessage(GetParam().format, {1LL}), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, HostileFormats,
                         ::testing::Values(Hostile{"%d %d %s", "1 %d %s"}, Hostile{"%n%n", "%n%n"},
                                           Hostile{"%99999999d", "%99999999d"}, Hostile{"%", "%"},
                                           Hostile{"%s", "1"}, Hostile{"%.2f", "%.2f"}));

} // namespace
