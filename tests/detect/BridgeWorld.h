#pragma once

#include "platform/UsbLookup.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// What a bridge-access case needs from the OS it runs on: a scripted bridge library and the system's
// record of which port belongs to which USB device. Each OS supplies one world; the cases stay the same.
enum class FixtureLibrary { Scripted, WithoutSerialEntry };

struct FixtureBridge {
    bool openable = true;
    std::uint16_t vid = 0x10C4;
    std::uint16_t pid = 0xEA60;
    std::string serial = "0001";
    std::string failingRead; // "vid", "pid", "serial" or empty
};

struct PortRegistration {
    std::uint16_t vid = 0x10C4;
    std::uint16_t pid = 0xEA60;
    std::string serial = "0001";
    platform::UsbPortForm form = platform::UsbPortForm::Plain;
    std::string portName;
};

class BridgeWorld
{
public:
    virtual ~BridgeWorld() = default;
    virtual void registerPort(const PortRegistration& registration) = 0;
    virtual void scriptBridges(const std::vector<FixtureBridge>& bridges) = 0;
    // A path for the library where it is not yet; placeLibrary puts it there.
    virtual std::string stagedLibrary(FixtureLibrary library) = 0;
    virtual void placeLibrary() = 0;
    // The bridge calls made so far: "count", "open <i>", "refuse <i>", "close <i>".
    virtual std::vector<std::string> bridgeCalls() = 0;
};

std::unique_ptr<BridgeWorld> makeBridgeWorld();
