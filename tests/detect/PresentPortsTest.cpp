#include "platform/PresentPorts.h"
#include "SysfsTree.h"

#include <gtest/gtest.h>

namespace
{

struct OrderCase {
    const char* a;
    const char* b;
    bool less;
};

void PrintTo(const OrderCase& c, std::ostream* os)
{
    *os << std::string(c.a) + " < " + c.b;
}

class PortNameOrder : public ::testing::TestWithParam<OrderCase>
{
};

TEST_P(PortNameOrder, ComparesCaseFoldedCharacters)
{
    EXPECT_EQ(platform::PortNameLess(GetParam().a, GetParam().b), GetParam().less);
}

INSTANTIATE_TEST_SUITE_P(Table, PortNameOrder,
                         ::testing::Values(OrderCase{"COM1", "COM10", true}, OrderCase{"COM10", "COM2", true},
                                           OrderCase{"COM2", "COM10", false}, OrderCase{"com3", "COM4", true},
                                           OrderCase{"COM4", "com3", false}, OrderCase{"COM1", "com1", false},
                                           OrderCase{"com1", "COM1", false},
                                           OrderCase{"COM65", "COM7", true}));

std::vector<std::string> names(const std::vector<platform::PresentPort>& ports)
{
    std::vector<std::string> out;
    for (const auto& p : ports)
        out.push_back(p.name);
    return out;
}

TEST(PresentPorts, ListsMappedTtysWithDeviceLinkInPortListOrder)
{
    SysfsTree tree;
    tree.activate();
    setenv("TAVIMORO_DEV_ROOT", "/simdev", 1);
    tree.addUart(0, 4);
    tree.addUart(1, 0);            // a slot without a chip
    tree.addUart(2, std::nullopt); // no type to tell
    tree.addUart(9, 4);
    tree.addVirtualTty("tty0");
    tree.addVirtualTty("ttyUSB5"); // no device link
    tree.addUsbDevice({.name = "1-2", .ttyNode = "ttyUSB0"});
    tree.addUsbDevice({.name = "1-3", .driver = "cdc_acm", .ttyNode = "ttyACM0"});
    tree.addUsbDevice({.name = "1-4", .ttyNode = "ttyUSB40"});

    const auto ports = platform::EnumComPorts();
    EXPECT_EQ(names(ports), (std::vector<std::string>{"COM1", "COM10", "COM33", "COM65"}));
    ASSERT_EQ(ports.size(), 4u);
    EXPECT_EQ(ports[0].device, "/simdev/ttyS0");
    EXPECT_EQ(ports[2].device, "/simdev/ttyUSB0");
    unsetenv("TAVIMORO_DEV_ROOT");
}

TEST(PresentPorts, MissingTtyClassGivesAnEmptyList)
{
    setenv("TAVIMORO_SYSFS_ROOT", "/nonexistent/sys", 1);
    EXPECT_TRUE(platform::EnumComPorts().empty());
    unsetenv("TAVIMORO_SYSFS_ROOT");
}

} // namespace
