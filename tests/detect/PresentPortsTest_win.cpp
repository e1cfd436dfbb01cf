#include "RegistryKeys.h"
#include "base/Error.h"
#include "platform/PresentPorts.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace
{

// Wine fills the key with its own ports; the throw-away prefix lets each test own it outright.
const std::string kSerialComm = "HARDWARE\\DEVICEMAP\\SERIALCOMM";

std::vector<std::pair<std::string, std::string>> listed()
{
    std::vector<std::pair<std::string, std::string>> ports;
    for (const auto& port : platform::EnumComPorts())
        ports.emplace_back(port.name, port.device);
    return ports;
}

TEST(PresentPortsWin, ValueDataAreThePortsInPortListOrder)
{
    RegistryKeys keys;
    keys.own(kSerialComm);
    keys.setText(kSerialComm, "\\Device\\Serial0", "COM2");
    keys.setText(kSerialComm, "\\Device\\Silabser0", "COM10");
    keys.setText(kSerialComm, "\\Device\\Serial1", "com1");
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"com1", "\\Device\\Serial1"}, {"COM10", "\\Device\\Silabser0"}, {"COM2", "\\Device\\Serial0"}};
    EXPECT_EQ(listed(), expected);
}

TEST(PresentPortsWin, MissingKeyGivesAnEmptyList)
{
    RegistryKeys keys;
    keys.own(kSerialComm);
    EXPECT_TRUE(platform::EnumComPorts().empty());
}

TEST(PresentPortsWin, EmptyKeyGivesAnEmptyList)
{
    RegistryKeys keys;
    keys.own(kSerialComm);
    keys.setText(kSerialComm + "\\Sub", "x", "y");
    EXPECT_TRUE(platform::EnumComPorts().empty());
}

TEST(PresentPortsWin, DataLongerThanTheBufferRaises)
{
    RegistryKeys keys;
    keys.own(kSerialComm);
    keys.setText(kSerialComm, "\\Device\\Serial0", "COM1");
    keys.setText(kSerialComm, "\\Device\\Odd", "COM" + std::string(200, '9'));
    try {
        platform::EnumComPorts();
        ADD_FAILURE() << "no error raised";
    } catch (const TavimoroError& e) {
        const std::string message = e.what();
        EXPECT_EQ(message.rfind("COM Port Error: ", 0), 0u) << message;
        EXPECT_TRUE(message.ends_with(" on EnumComPorts")) << message;
        EXPECT_GT(message.size(), std::string("COM Port Error:  on EnumComPorts").size()) << message;
    }
}

} // namespace
