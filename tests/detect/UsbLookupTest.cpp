#include "platform/UsbLookup.h"
#include "SysfsTree.h"

#include <gtest/gtest.h>

namespace
{

using platform::LookUpUsbPortName;
using platform::UsbPortForm;

class UsbLookup : public ::testing::Test
{
protected:
    void SetUp() override { tree.activate(); }
    SysfsTree tree;
};

TEST_F(UsbLookup, FindsUsbSerialPortAsPlainAndAcmPortAsComposite)
{
    tree.addUsbDevice({.name = "1-2", .serial = "0001", .ttyNode = "ttyUSB3"});
    tree.addUsbDevice({.name = "1-3", .serial = "0002", .driver = "cdc_acm", .ttyNode = "ttyACM1"});
    EXPECT_EQ(LookUpUsbPortName("10C4", "EA60", "0001", UsbPortForm::Plain), "COM36");
    EXPECT_EQ(LookUpUsbPortName("10C4", "EA60", "0001", UsbPortForm::Composite), "");
    EXPECT_EQ(LookUpUsbPortName("10C4", "EA60", "0002", UsbPortForm::Composite), "COM66");
    EXPECT_EQ(LookUpUsbPortName("10C4", "EA60", "0002", UsbPortForm::Plain), "");
}

struct OddDevice {
    const char* label;
    std::string attribute;
    std::string bytes;
    std::string expected;
};

void PrintTo(const OddDevice& c, std::ostream* os)
{
    *os << c.label;
}

class UsbLookupOddAttributes : public ::testing::TestWithParam<OddDevice>
{
};

// Each device is otherwise the interface on ttyUSB0; one attribute file holds the bytes of the row.
TEST_P(UsbLookupOddAttributes, MatchesOnlyWhatIsExactlyThere)
{
    SysfsTree tree;
    tree.activate();
    tree.addUsbDevice({.name = "1-2", .ttyNode = "ttyUSB0"});
    tree.writeFile("devices/pci0000:00/0000:00:14.0/usb1/1-2/" + GetParam().attribute, GetParam().bytes);
    EXPECT_EQ(LookUpUsbPortName("10C4", "EA60", "0001", UsbPortForm::Plain), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, UsbLookupOddAttributes,
                         ::testing::Values(OddDevice{"upperCaseVendor", "idVendor", "10C4\n", "COM33"},
                                           OddDevice{"mixedCaseProduct", "idProduct", "eA60", "COM33"},
                                           OddDevice{"otherVendor", "idVendor", "0403\n", ""},
                                           OddDevice{"paddedVendor", "idVendor", " 10c4\n", ""},
                                           OddDevice{"serialWithCarriageReturn", "serial", "0001\r\n", ""},
                                           OddDevice{"serialWithNul", "serial", std::string("0001\0\n", 6),
                                                     ""},
                                           OddDevice{"serialLowerCaseHexIsNotFolded", "serial", "000a", ""},
                                           OddDevice{"binarySerial", "serial", "\xff\x00\x01", ""},
                                           OddDevice{"hugeSerial", "serial", std::string(100000, '0'), ""},
                                           OddDevice{"emptyProduct", "idProduct", "", ""}),
                         [](const auto& row) { return std::string(row.param.label); });

TEST_F(UsbLookup, SkipsDevicesWithoutSerialOrPortAndUnmappedNodes)
{
    tree.addUsbDevice({.name = "1-1", .serial = std::nullopt, .ttyNode = "ttyUSB1"});
    tree.addUsbDevice({.name = "1-2", .ttyNode = ""});
    tree.addUsbDevice({.name = "1-3", .ttyNode = "ttyUSB99"});
    EXPECT_EQ(LookUpUsbPortName("10C4", "EA60", "0001", UsbPortForm::Plain), "");
    tree.addUsbDevice({.name = "1-4", .ttyNode = "ttyUSB4"});
    EXPECT_EQ(LookUpUsbPortName("10C4", "EA60", "0001", UsbPortForm::Plain), "COM37");
}

TEST(UsbLookupWithoutTree, MissingRootFindsNothing)
{
    setenv("TAVIMORO_SYSFS_ROOT", "/nonexistent/sys", 1);
    EXPECT_EQ(LookUpUsbPortName("10C4", "EA60", "0001", UsbPortForm::Plain), "");
    unsetenv("TAVIMORO_SYSFS_ROOT");
}

} // namespace
