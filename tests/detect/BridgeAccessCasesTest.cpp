// The bridge-access cases over a scripted bridge library. The rows and the test body do not depend on the
// OS; each OS supplies its BridgeWorld.
#include "BridgeWorld.h"
#include "base/Error.h"
#include "detect/BridgeAccess.h"

#include <gtest/gtest.h>

namespace
{

using platform::UsbPortForm;
using Calls = std::vector<std::string>;

struct BridgeCase {
    BridgeCase(std::string caseName, std::vector<FixtureBridge> attached,
               std::vector<PortRegistration> registered, int port, Calls calls, std::string error = {},
               FixtureLibrary fixture = FixtureLibrary::Scripted, bool arrivesLate = false)
        : name(std::move(caseName)), bridges(std::move(attached)), registrations(std::move(registered)),
          expectedPort(port), expectedCalls(std::move(calls)), expectedError(std::move(error)),
          library(fixture), libraryArrivesLate(arrivesLate)
    {
    }

    std::string name;
    std::vector<FixtureBridge> bridges;
    std::vector<PortRegistration> registrations;
    int expectedPort;
    Calls expectedCalls;
    std::string expectedError; // empty: no error
    FixtureLibrary library;
    bool libraryArrivesLate; // absent at the first count, there at the second
};

void PrintTo(const BridgeCase& c, std::ostream* os)
{
    *os << c.name;
}

FixtureBridge interfaceBridge()
{
    return FixtureBridge{};
}

FixtureBridge bridgeWith(std::string serial)
{
    FixtureBridge b;
    b.serial = std::move(serial);
    return b;
}

FixtureBridge failingBridge(std::string read)
{
    FixtureBridge b;
    b.failingRead = std::move(read);
    return b;
}

FixtureBridge unopenableBridge()
{
    FixtureBridge b;
    b.openable = false;
    return b;
}

PortRegistration plain(std::string port, std::string serial = "0001")
{
    return PortRegistration{0x10C4, 0xEA60, std::move(serial), UsbPortForm::Plain, std::move(port)};
}

PortRegistration composite(std::string port)
{
    return PortRegistration{0x10C4, 0xEA60, "0001", UsbPortForm::Composite, std::move(port)};
}

const BridgeCase kCases[] = {
    {"NoBridgeOpensNothing", {}, {plain("COM33")}, -1, {"count"}},
    {"LibraryAbsentThenPresent",
     {interfaceBridge()},
     {plain("COM33")},
     33,
     {"count", "open 0", "close 0"},
     "",
     FixtureLibrary::Scripted,
     true},
    {"PlainRegistration", {interfaceBridge()}, {plain("COM34")}, 34, {"count", "open 0", "close 0"}},
    {"CompositeRegistrationOnly",
     {interfaceBridge()},
     {composite("COM65")},
     65,
     {"count", "open 0", "close 0"}},
    {"PlainWinsOverComposite",
     {interfaceBridge()},
     {composite("COM66"), plain("COM35")},
     35,
     {"count", "open 0", "close 0"}},
    {"OtherSerialIsPassedOver",
     {bridgeWith("0002")},
     {plain("COM33", "0002")},
     -1,
     {"count", "open 0", "close 0"}},
    {"SerialComparedExactly",
     {bridgeWith("00010")},
     {plain("COM33", "00010"), plain("COM34")},
     -1,
     {"count", "open 0", "close 0"}},
    {"UnregisteredInterface", {interfaceBridge()}, {}, -1, {"count", "open 0", "close 0"}},
    {"TwoInterfacesAllOpenedAndClosed",
     {interfaceBridge(), interfaceBridge()},
     {plain("COM36")},
     36,
     {"count", "open 0", "close 0", "open 1", "close 1"}},
    {"OtherBridgeBeforeInterface",
     {bridgeWith("9999"), interfaceBridge()},
     {plain("COM33", "9999"), plain("COM37")},
     37,
     {"count", "open 0", "close 0", "open 1", "close 1"}},
    {"UnopenableIndexZeroIsNotClosed",
     {unopenableBridge(), interfaceBridge()},
     {plain("COM38")},
     38,
     {"count", "refuse 0", "open 1", "close 1"}},
    {"FailedVidReadStillCloses",
     {failingBridge("vid")},
     {plain("COM33")},
     -1,
     {"count", "open 0", "close 0"}},
    {"FailedPidReadStillCloses",
     {failingBridge("pid")},
     {plain("COM33")},
     -1,
     {"count", "open 0", "close 0"}},
    {"FailedSerialReadStillCloses",
     {failingBridge("serial"), interfaceBridge()},
     {plain("COM39")},
     39,
     {"count", "open 0", "close 0", "open 1", "close 1"}},
    {"PortNameWithoutNumber", {interfaceBridge()}, {plain("COMX")}, -1, {"count", "open 0", "close 0"}},
    {"MissingEntryPointRaisesAfterClose",
     {interfaceBridge(), interfaceBridge()},
     {plain("COM33")},
     -1,
     {"count", "open 0", "close 0"},
     "Function CP210x_GetDeviceSerialNumber not found!",
     FixtureLibrary::WithoutSerialEntry},
};

class BridgeAccessCases : public ::testing::TestWithParam<BridgeCase>
{
protected:
    void TearDown() override { BridgeAccess::UnloadBridgeLibrary(); }
};

TEST_P(BridgeAccessCases, FindsTheInterfacePort)
{
    const BridgeCase& c = GetParam();
    const auto world = makeBridgeWorld();
    for (const auto& registration : c.registrations)
        world->registerPort(registration);
    world->scriptBridges(c.bridges);
    BridgeAccess::SetBridgeLibraryName(world->stagedLibrary(c.library));

    if (c.libraryArrivesLate) {
        EXPECT_FALSE(BridgeAccess::CountBridgeDevices());
        EXPECT_FALSE(BridgeAccess::BridgeLibraryLoaded());
        EXPECT_TRUE(world->bridgeCalls().empty());
    }
    world->placeLibrary();
    ASSERT_TRUE(BridgeAccess::CountBridgeDevices());
    EXPECT_EQ(BridgeAccess::BridgeDeviceCount(), c.bridges.size());

    if (c.expectedError.empty()) {
        EXPECT_EQ(BridgeAccess::FindInterfacePort(), c.expectedPort);
    } else {
        try {
            BridgeAccess::FindInterfacePort();
            ADD_FAILURE() << "no error raised";
        } catch (const TavimoroError& e) {
            EXPECT_EQ(std::string(e.what()), c.expectedError);
        }
    }
    EXPECT_EQ(world->bridgeCalls(), c.expectedCalls);
}

INSTANTIATE_TEST_SUITE_P(Table, BridgeAccessCases, ::testing::ValuesIn(kCases),
                         [](const auto& row) { return row.param.name; });

} // namespace
