#include "platform/UserIdentity.h"

#include <gtest/gtest.h>

#include <cstdlib>

// Windows sets both variables for every logon session from the same sources the calls ask.
TEST(UserIdentity, ComputerNameIsTheSessionsComputerName)
{
    const char* expected = std::getenv("COMPUTERNAME");
    ASSERT_NE(expected, nullptr);
    EXPECT_EQ(platform::ComputerName(), expected);
}

TEST(UserIdentity, LogonNameIsTheSessionsUser)
{
    const char* expected = std::getenv("USERNAME");
    ASSERT_NE(expected, nullptr);
    EXPECT_EQ(platform::UserLogonName(), expected);
    EXPECT_EQ(platform::UserLogonName().find_first_of("\\/:\n"), std::string::npos);
}
