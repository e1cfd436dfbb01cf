#include "base/Paths.h"

#include <gtest/gtest.h>

TEST(AddTrailingBackslash, AppendsOneSeparatorOnly)
{
    const std::string sep(1, kPathSeparator);
    EXPECT_EQ(AddTrailingBackslash(""), sep);
    EXPECT_EQ(AddTrailingBackslash("a"), "a" + sep);
    EXPECT_EQ(AddTrailingBackslash("a" + sep), "a" + sep);
}
