#include "ScriptedBridgeWorld.h"
#include "SysfsTree.h"
#include "platform/ComPortNames.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace
{

// Registrations become USB devices in a sysfs tree: the plain form a usb-serial ttyUSBn, the composite
// form an ACM ttyACMn, both below interface 0.
class LinuxBridgeWorld : public ScriptedBridgeWorld
{
public:
    LinuxBridgeWorld()
    {
        m_tree.activate();
        useFiles(m_tree.scratch() + "/bridges.txt", m_tree.scratch() + "/calls.log");
        setenv("TAVIMORO_FIXTURE_BRIDGES", scriptFile().c_str(), 1);
    }
    ~LinuxBridgeWorld() override { unsetenv("TAVIMORO_FIXTURE_BRIDGES"); }

    void registerPort(const PortRegistration& r) override
    {
        const bool composite = r.form == platform::UsbPortForm::Composite;
        const std::string rest = r.portName.size() > 3 ? r.portName.substr(3) : std::string();
        const auto number = comport::comNumber(r.portName);
        const auto mapped = number ? comport::nodeForComNumber(*number) : std::nullopt;
        // A name outside the map still gets a node of the right kind, which then maps to no port.
        std::string node = mapped ? *mapped : (composite ? "ttyACM" : "ttyUSB") + rest;
        SysfsTree::UsbDevice device;
        device.name = "1-" + std::to_string(++m_devices);
        device.idVendor = hex(r.vid);
        device.idProduct = hex(r.pid);
        device.serial = r.serial;
        device.driver = composite ? "cdc_acm" : "cp210x";
        device.ttyNode = node;
        m_tree.addUsbDevice(device);
    }

protected:
    std::string libraryPath(int n) const override
    {
        return m_tree.scratch() + "/lib/bridge-" + std::to_string(n) + ".so";
    }

private:
    static std::string hex(std::uint16_t value)
    {
        char text[8];
        std::snprintf(text, sizeof text, "%04x", static_cast<unsigned>(value));
        return text;
    }

    SysfsTree m_tree;
    int m_devices = 0;
};

} // namespace

std::unique_ptr<BridgeWorld> makeBridgeWorld()
{
    return std::make_unique<LinuxBridgeWorld>();
}
