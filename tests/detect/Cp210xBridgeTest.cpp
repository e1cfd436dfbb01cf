// The shipped bridge library, loaded by its bare file name as the program does, over simulated sysfs trees.
#include "DetectionTiming.h"
#include "SysfsTree.h"
#include "detect/BridgeAccess.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>

namespace
{

class Cp210xBridge : public ::testing::Test
{
protected:
    void SetUp() override
    {
        BridgeAccess::UnloadBridgeLibrary();
        BridgeAccess::SetBridgeLibraryName("libtavimoro-cp210x.so");
        tree.activate();
    }
    void TearDown() override { BridgeAccess::UnloadBridgeLibrary(); }

    struct Read {
        std::uint16_t vid = 0;
        std::uint16_t pid = 0;
        std::string serial;
    };

    static Read readBridge(std::uint32_t index)
    {
        Read read;
        BridgeAccess::BridgeHandle handle = nullptr;
        EXPECT_EQ(BridgeAccess::BridgeOpen(index, &handle), 0);
        BridgeAccess::SerialBuffer serial;
        serial.fill('#');
        std::uint8_t length = 0;
        EXPECT_EQ(BridgeAccess::BridgeGetDeviceVid(handle, &read.vid), 0);
        EXPECT_EQ(BridgeAccess::BridgeGetDevicePid(handle, &read.pid), 0);
        EXPECT_EQ(BridgeAccess::BridgeGetDeviceSerialNumber(handle, serial.data(), &length, true), 0);
        EXPECT_EQ(BridgeAccess::BridgeClose(handle), 0);
        read.serial.assign(serial.data(), strnlen(serial.data(), serial.size()));
        EXPECT_EQ(length, read.serial.size());
        return read;
    }

    SysfsTree tree;
};

TEST_F(Cp210xBridge, OneBridgeIsTheInterface)
{
    tree.addUsbDevice({.name = "1-2", .ttyNode = "ttyUSB0"});
    ASSERT_TRUE(BridgeAccess::CountBridgeDevices());
    EXPECT_EQ(BridgeAccess::BridgeDeviceCount(), 1u);
    EXPECT_EQ(BridgeAccess::FindInterfacePort(), 33);
}

TEST_F(Cp210xBridge, CountsOnlyCp210xDevicesInDeviceNameOrder)
{
    tree.addUsbDevice({.name = "1-2", .idProduct = "ea70", .serial = "A1", .ttyNode = "ttyUSB1"});
    tree.addUsbDevice({.name = "1-10", .serial = "0001", .ttyNode = "ttyUSB2"});
    tree.addUsbDevice(
        {.name = "1-3", .idVendor = "0403", .idProduct = "6001", .driver = "ftdi_sio", .ttyNode = "ttyUSB0"});
    tree.addUsbDevice({.name = "1-4", .driver = "cdc_acm", .ttyNode = "ttyACM0"});
    tree.addUsbDevice({.name = "2-1", .serial = std::string(70, 'S'), .ttyNode = ""});

    ASSERT_TRUE(BridgeAccess::CountBridgeDevices());
    ASSERT_EQ(BridgeAccess::BridgeDeviceCount(), 3u);
    const Read first = readBridge(0);
    EXPECT_EQ(first.vid, 0x10C4);
    EXPECT_EQ(first.pid, 0xEA60);
    EXPECT_EQ(first.serial, "0001");
    const Read second = readBridge(1);
    EXPECT_EQ(second.pid, 0xEA70);
    EXPECT_EQ(second.serial, "A1");
    // A serial longer than the buffer fills it and is cut there.
    EXPECT_EQ(readBridge(2).serial, std::string(64, 'S'));
    EXPECT_EQ(BridgeAccess::FindInterfacePort(), 35);
}

TEST_F(Cp210xBridge, RefusesBadIndexesAndHandles)
{
    tree.addUsbDevice({.name = "1-2", .ttyNode = "ttyUSB0"});
    ASSERT_TRUE(BridgeAccess::CountBridgeDevices());
    BridgeAccess::BridgeHandle handle = nullptr;
    EXPECT_NE(BridgeAccess::BridgeOpen(1, &handle), 0);
    int notAHandle = 0;
    std::uint16_t vid = 0;
    EXPECT_NE(BridgeAccess::BridgeGetDeviceVid(&notAHandle, &vid), 0);
    EXPECT_NE(BridgeAccess::BridgeClose(&notAHandle), 0);
    ASSERT_EQ(BridgeAccess::BridgeOpen(0, &handle), 0);
    EXPECT_EQ(BridgeAccess::BridgeClose(handle), 0);
    EXPECT_NE(BridgeAccess::BridgeClose(handle), 0);
}

TEST_F(Cp210xBridge, UnpluggedBetweenCountAndOpenYieldsNoPort)
{
    tree.addUsbDevice({.name = "1-2", .ttyNode = "ttyUSB0"});
    ASSERT_TRUE(BridgeAccess::CountBridgeDevices());
    tree.removeUsbDevice("1-2", "ttyUSB0");
    EXPECT_EQ(BridgeAccess::FindInterfacePort(), -1);
}

TEST_F(Cp210xBridge, NoBridgeAttached)
{
    tree.addUsbDevice({.name = "1-3", .idVendor = "0403", .driver = "ftdi_sio", .ttyNode = "ttyUSB0"});
    ASSERT_TRUE(BridgeAccess::CountBridgeDevices());
    EXPECT_EQ(BridgeAccess::BridgeDeviceCount(), 0u);
    EXPECT_EQ(BridgeAccess::FindInterfacePort(), -1);
}

// A detection as the window runs it, with 32 bridges and ports and the interface last.
TEST_F(Cp210xBridge, DetectionWithThirtyTwoBridgesStaysUnderTwentyMilliseconds)
{
    for (int i = 0; i < 32; ++i) {
        char serial[8];
        std::snprintf(serial, sizeof serial, "S%03d", i);
        tree.addUsbDevice({.name = "1-" + std::to_string(i + 1),
                           .serial = i == 31 ? "0001" : serial,
                           .ttyNode = "ttyUSB" + std::to_string(i)});
    }
    int port = 0;
    const DetectionTiming best = bestDetectionTiming(10, [&port] {
        port = BridgeAccess::CountBridgeDevices() ? BridgeAccess::FindInterfacePort() : -2;
        BridgeAccess::UnloadBridgeLibrary();
    });
    EXPECT_EQ(port, 64);
    RecordProperty("detection_cpu_ms", std::to_string(best.cpuMs));
    RecordProperty("detection_wall_ms", std::to_string(best.wallMs));
    std::printf("detection with 32 bridges: %.2f ms CPU, %.2f ms wall\n", best.cpuMs, best.wallMs);
    if (kDetectionBudgetApplies) {
        EXPECT_LT(best.cpuMs, kDetectionBudgetMs);
    }
}

} // namespace
