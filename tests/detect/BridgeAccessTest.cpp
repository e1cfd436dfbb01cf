#include "detect/BridgeAccess.h"
#include "base/Error.h"

#include <gtest/gtest.h>

namespace
{

class BridgeLoading : public ::testing::Test
{
protected:
    void SetUp() override { BridgeAccess::UnloadBridgeLibrary(); }
    void TearDown() override { BridgeAccess::UnloadBridgeLibrary(); }
};

TEST_F(BridgeLoading, MissingEntryOnFirstLoadGivesNoneThenRaisesOnceLoaded)
{
    BridgeAccess::SetBridgeLibraryName(TAVIMORO_SCRIPTED_BRIDGE_NOSERIAL);
    EXPECT_EQ(BridgeAccess::ResolveBridgeEntry("CP210x_GetDeviceSerialNumber"), nullptr);
    EXPECT_FALSE(BridgeAccess::BridgeLibraryLoaded());

    EXPECT_NE(BridgeAccess::ResolveBridgeEntry("CP210x_Open"), nullptr);
    EXPECT_TRUE(BridgeAccess::BridgeLibraryLoaded());
    try {
        BridgeAccess::ResolveBridgeEntry("CP210x_GetDeviceSerialNumber");
        FAIL() << "no error raised";
    } catch (const TavimoroError& e) {
        EXPECT_STREQ(e.what(), "Function CP210x_GetDeviceSerialNumber not found!");
    }

    BridgeAccess::UnloadBridgeLibrary();
    EXPECT_FALSE(BridgeAccess::BridgeLibraryLoaded());
    EXPECT_EQ(BridgeAccess::ResolveBridgeEntry("CP210x_GetDeviceSerialNumber"), nullptr);
}

TEST_F(BridgeLoading, AbsentLibraryMakesEveryWrapperFailWithoutACall)
{
    BridgeAccess::SetBridgeLibraryName("/nonexistent/libnothing.so");
    std::uint32_t count = 77;
    BridgeAccess::BridgeHandle handle = nullptr;
    std::uint16_t id = 5;
    BridgeAccess::SerialBuffer serial{};
    std::uint8_t length = 0;
    EXPECT_NE(BridgeAccess::BridgeGetNumDevices(&count), 0);
    EXPECT_NE(BridgeAccess::BridgeOpen(0, &handle), 0);
    EXPECT_NE(BridgeAccess::BridgeGetDeviceVid(handle, &id), 0);
    EXPECT_NE(BridgeAccess::BridgeGetDevicePid(handle, &id), 0);
    EXPECT_NE(BridgeAccess::BridgeGetDeviceSerialNumber(handle, serial.data(), &length, true), 0);
    EXPECT_NE(BridgeAccess::BridgeClose(handle), 0);
    EXPECT_FALSE(BridgeAccess::CountBridgeDevices());
    EXPECT_EQ(count, 77u);
    EXPECT_EQ(id, 5);
    EXPECT_FALSE(BridgeAccess::BridgeLibraryLoaded());
}

TEST_F(BridgeLoading, EmptyLibraryNameLoadsNothing)
{
    BridgeAccess::SetBridgeLibraryName("");
    EXPECT_FALSE(BridgeAccess::CountBridgeDevices());
}

struct PortNameCase {
    const char* name;
    int number;
};

void PrintTo(const PortNameCase& c, std::ostream* os)
{
    *os << std::string("\"") + c.name + "\"";
}

class PortNumberFromName : public ::testing::TestWithParam<PortNameCase>
{
};

TEST_P(PortNumberFromName, ReadsTheNumberAfterTheThirdCharacter)
{
    EXPECT_EQ(BridgeAccess::PortNumberFromName(GetParam().name), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(Table, PortNumberFromName,
                         ::testing::Values(PortNameCase{"COM7", 7}, PortNameCase{"COM12", 12},
                                           PortNameCase{"XYZ5", 5}, PortNameCase{"COMX", -1},
                                           PortNameCase{"COM", -1}, PortNameCase{"", -1},
                                           PortNameCase{"COM1X", -1}, PortNameCase{"COM 1", -1},
                                           PortNameCase{"COM99999999999", -1}));

} // namespace
