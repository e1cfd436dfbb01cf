#include "platform/UserIdentity.h"

#include <gtest/gtest.h>

#include <sys/utsname.h>
#include <unistd.h>

TEST(UserIdentity, ComputerNameIsTheNodeName)
{
    utsname names{};
    ASSERT_EQ(uname(&names), 0);
    EXPECT_EQ(platform::ComputerName(), names.nodename);
}

TEST(UserIdentity, LogonNameIsTheAccountOfTheProcess)
{
    const auto name = platform::UserLogonName();
    ASSERT_FALSE(name.empty());
    EXPECT_EQ(name.find_first_of("/:\n"), std::string::npos);
}
