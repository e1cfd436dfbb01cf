// Port discovery reads sysfs while devices come and go: every read must finish with a sensible answer.
#include "SysfsTree.h"
#include "detect/BridgeAccess.h"
#include "platform/PresentPorts.h"
#include "platform/UsbLookup.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <set>
#include <thread>

namespace
{

class ChangingTree : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SysfsTree::UsbDevice stable;
        stable.ttyNode = "ttyUSB0";
        tree.addUsbDevice(stable);
        tree.addUart(0, 4);
        tree.activate();
        BridgeAccess::UnloadBridgeLibrary();
        BridgeAccess::SetBridgeLibraryName("libtavimoro-cp210x.so");
    }
    void TearDown() override
    {
        stopChurn();
        BridgeAccess::UnloadBridgeLibrary();
    }

    // A second interface plugged in and out as fast as the file system allows, until stopChurn.
    void startChurn()
    {
        m_churn = std::thread([this] {
            SysfsTree::UsbDevice flapping;
            flapping.name = "1-3";
            flapping.serial = "0002";
            flapping.ttyNode = "ttyUSB1";
            while (!m_stop) {
                tree.addUsbDevice(flapping);
                tree.removeUsbDevice(flapping.name, flapping.ttyNode);
                ++m_cycles;
            }
        });
    }
    void stopChurn()
    {
        m_stop = true;
        if (m_churn.joinable())
            m_churn.join();
    }

    // Runs check until the tree has changed often enough under it.
    template <typename Check> void whileChanging(Check check)
    {
        startChurn();
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        int rounds = 0;
        while ((m_cycles < 200 || rounds < 200) && std::chrono::steady_clock::now() < deadline) {
            check();
            ++rounds;
        }
        stopChurn();
        EXPECT_GE(m_cycles, 200);
        EXPECT_GE(rounds, 200);
    }

    SysfsTree tree;
    std::thread m_churn;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_cycles{0};
};

TEST_F(ChangingTree, PortListAlwaysHoldsTheStablePorts)
{
    std::set<std::string> seen;
    whileChanging([&] {
        std::vector<platform::PresentPort> ports;
        ASSERT_NO_THROW(ports = platform::EnumComPorts());
        std::set<std::string> names;
        for (const auto& port : ports) {
            names.insert(port.name);
            seen.insert(port.name);
        }
        ASSERT_TRUE(names.count("COM1") && names.count("COM33"));
        ASSERT_LE(names.size(), 3u);
        ASSERT_EQ(names.size(), ports.size());
    });
    // Only ports that were there; the flapping one may or may not have been caught.
    for (const auto& name : seen)
        EXPECT_TRUE(name == "COM1" || name == "COM33" || name == "COM34") << name;
}

TEST_F(ChangingTree, UsbLookupFindsTheStableInterfaceAndNeverAWrongPort)
{
    whileChanging([&] {
        ASSERT_EQ(platform::LookUpUsbPortName("10C4", "EA60", "0001", platform::UsbPortForm::Plain), "COM33");
        const std::string flapping =
            platform::LookUpUsbPortName("10C4", "EA60", "0002", platform::UsbPortForm::Plain);
        ASSERT_TRUE(flapping.empty() || flapping == "COM34") << flapping;
    });
}

TEST_F(ChangingTree, BridgeDetectionFindsTheStableInterface)
{
    whileChanging([&] {
        ASSERT_TRUE(BridgeAccess::CountBridgeDevices());
        ASSERT_EQ(BridgeAccess::FindInterfacePort(), 33);
    });
}

} // namespace
