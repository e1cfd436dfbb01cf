#include "platform/ComPortNames.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{

TEST(ComPortNames, DevicePathFollowsDevRoot)
{
    setenv("TAVIMORO_DEV_ROOT", "/tmp/simdev", 1);
    EXPECT_EQ(comport::devicePath("COM33"), "/tmp/simdev/ttyUSB0");
    EXPECT_EQ(comport::devicePath("COM200"), "");
    unsetenv("TAVIMORO_DEV_ROOT");
    EXPECT_EQ(comport::devicePath("COM1"), "/dev/ttyS0");
}

} // namespace
