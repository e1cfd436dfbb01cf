#include "base/Cp1252.h"

#include <gtest/gtest.h>

namespace
{

struct Case {
    std::string bytes;
    std::string utf8;
};

class Cp1252RoundTrip : public ::testing::TestWithParam<Case>
{
};

TEST_P(Cp1252RoundTrip, DecodesAndEncodes)
{
    EXPECT_EQ(cp1252::toUtf8(GetParam().bytes), GetParam().utf8);
    EXPECT_EQ(cp1252::fromUtf8(GetParam().utf8), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(Table, Cp1252RoundTrip,
                         ::testing::Values(Case{"Odo", "Odo"},
                                           Case{"Radgr\xF6\xDF"
                                                "e",
                                                "Radgröße"},
                                           Case{"\x80", "€"}, Case{"\x9F", "Ÿ"},
                                           Case{"\xB0"
                                                "C",
                                                "°C"},
                                           Case{"", ""}));

TEST(Cp1252, UndefinedBytesBecomeReplacementCharacter)
{
    EXPECT_EQ(cp1252::toUtf8("\x81"), "\xEF\xBF\xBD");
}

TEST(Cp1252, UnrepresentableAndMalformedUtf8BecomeQuestionMarks)
{
    EXPECT_EQ(cp1252::fromUtf8("Ж"), "?");
    EXPECT_EQ(cp1252::fromUtf8("a\xC3"), "a?"); // truncated sequence at the end
    EXPECT_EQ(cp1252::fromUtf8("\xFF"
                               "b"),
              "?b");
}

} // namespace
