#include "BridgeWorld.h"
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
class LinuxBridgeWorld : public BridgeWorld
{
public:
    LinuxBridgeWorld()
    {
        m_tree.activate();
        m_script = m_tree.scratch() + "/bridges.txt";
        m_log = m_tree.scratch() + "/calls.log";
        setenv("TAVIMORO_FIXTURE_BRIDGES", m_script.c_str(), 1);
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

    void scriptBridges(const std::vector<FixtureBridge>& bridges) override
    {
        std::ofstream out(m_script, std::ios::trunc);
        out << "log " << m_log << '\n';
        for (const auto& b : bridges) {
            out << "bridge open=" << (b.openable ? 1 : 0) << " vid=" << hex(b.vid) << " pid=" << hex(b.pid)
                << " serial=" << b.serial << " fail=" << (b.failingRead.empty() ? "-" : b.failingRead)
                << '\n';
        }
    }

    std::string stagedLibrary(FixtureLibrary library) override
    {
        m_source = library == FixtureLibrary::Scripted ? TAVIMORO_SCRIPTED_BRIDGE
                                                       : TAVIMORO_SCRIPTED_BRIDGE_NOSERIAL;
        m_staged = m_tree.scratch() + "/lib/bridge-" + std::to_string(++m_libraries) + ".so";
        return m_staged;
    }

    void placeLibrary() override
    {
        fs::create_directories(fs::path(m_staged).parent_path());
        fs::copy_file(m_source, m_staged, fs::copy_options::overwrite_existing);
    }

    std::vector<std::string> bridgeCalls() override
    {
        std::vector<std::string> calls;
        std::ifstream in(m_log);
        for (std::string line; std::getline(in, line);)
            calls.push_back(line);
        return calls;
    }

private:
    static std::string hex(std::uint16_t value)
    {
        char text[8];
        std::snprintf(text, sizeof text, "%04x", static_cast<unsigned>(value));
        return text;
    }

    SysfsTree m_tree;
    std::string m_script;
    std::string m_log;
    std::string m_source;
    std::string m_staged;
    int m_devices = 0;
    int m_libraries = 0;
};

} // namespace

std::unique_ptr<BridgeWorld> makeBridgeWorld()
{
    return std::make_unique<LinuxBridgeWorld>();
}
