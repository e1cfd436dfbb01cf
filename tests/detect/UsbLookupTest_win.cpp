#include "RegistryKeys.h"
#include "base/Error.h"
#include "platform/UsbLookup.h"

#include <gtest/gtest.h>

#include <ostream>

namespace
{

using platform::UsbPortForm;

const std::string kEnumUsb = "System\\CurrentControlSet\\Enum\\USB\\";

struct LookupCase {
    const char* name;
    const char* deviceKey; // below Enum\USB, as Windows writes it
    const char* instance;
    const char* vendorHex;
    const char* productHex;
    const char* serial;
    UsbPortForm form;
    const char* expected;

    friend void PrintTo(const LookupCase& c, std::ostream* out) { *out << c.name; }
};

const LookupCase kLookups[] = {
    {"PlainKey", "VID_10C4&PID_EA60", "0001", "10C4", "EA60", "0001", UsbPortForm::Plain, "COM12"},
    {"CompositeKey", "VID_10C4&PID_EA60&MI_00", "0001_00", "10C4", "EA60", "0001", UsbPortForm::Composite,
     "COM7"},
    {"KeyNamesIgnoreCase", "vid_10c4&pid_ea60", "0001", "10C4", "EA60", "0001", UsbPortForm::Plain, "COM3"},
    {"PlainFormSkipsCompositeKey", "VID_10C4&PID_EA60&MI_00", "0001_00", "10C4", "EA60", "0001",
     UsbPortForm::Plain, ""},
    {"OtherSerial", "VID_10C4&PID_EA60", "0002", "10C4", "EA60", "0001", UsbPortForm::Plain, ""},
    {"SerialIsNotAPrefix", "VID_10C4&PID_EA60", "00010", "10C4", "EA60", "0001", UsbPortForm::Plain, ""},
    {"OtherProduct", "VID_10C4&PID_EA61", "0001", "10C4", "EA60", "0001", UsbPortForm::Plain, ""},
    {"SerialWithBackslashReachesNoOtherKey", "VID_10C4&PID_EA60", "0001", "10C4", "EA60", "0001\\..\\0001",
     UsbPortForm::Plain, ""},
};

class UsbLookupWin : public ::testing::TestWithParam<LookupCase>
{
protected:
    RegistryKeys keys;
};

TEST_P(UsbLookupWin, ReadsThePortNameOfTheDevicesKey)
{
    const LookupCase& c = GetParam();
    keys.own(kEnumUsb + c.deviceKey);
    keys.setText(kEnumUsb + c.deviceKey + "\\" + c.instance + "\\Device Parameters", "PortName",
                 c.expected[0] ? c.expected : "COM9");
    EXPECT_EQ(platform::LookUpUsbPortName(c.vendorHex, c.productHex, c.serial, c.form), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, UsbLookupWin, ::testing::ValuesIn(kLookups),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(UsbLookupWinValues, MissingPortNameValueGivesNothing)
{
    RegistryKeys keys;
    keys.own(kEnumUsb + "VID_10C4&PID_EA60");
    keys.setText(kEnumUsb + "VID_10C4&PID_EA60\\0001\\Device Parameters", "PortNames", "COM4");
    EXPECT_EQ(platform::LookUpUsbPortName("10C4", "EA60", "0001", UsbPortForm::Plain), "");
}

TEST(UsbLookupWinValues, PortNameThatIsNoTextRaises)
{
    RegistryKeys keys;
    keys.own(kEnumUsb + "VID_10C4&PID_EA60");
    keys.setNumber(kEnumUsb + "VID_10C4&PID_EA60\\0001\\Device Parameters", "PortName", 7);
    try {
        platform::LookUpUsbPortName("10C4", "EA60", "0001", UsbPortForm::Plain);
        ADD_FAILURE() << "no error raised";
    } catch (const TavimoroError& e) {
        EXPECT_STREQ(e.what(), "Invalid data type for 'PortName'");
    }
}

} // namespace
