#include "../support/TempFolder.h"
#include "BridgeWorld.h"
#include "RegistryKeys.h"
#include "detect/BridgeAccess.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

namespace fs = std::filesystem;

namespace
{

constexpr const char* kScriptVariable = "TAVIMORO_FIXTURE_BRIDGES";

// Registrations become the keys Windows writes for a USB device: the plain form below
// Enum\USB\VID_vvvv&PID_pppp\<serial>, the composite form below VID_vvvv&PID_pppp&MI_00\<serial>_00.
// The fixture library CP210xManufacturing_6x.dll answers from the same script as on Linux.
class WindowsBridgeWorld : public BridgeWorld
{
public:
    WindowsBridgeWorld()
    {
        m_script = m_scratch.file("bridges.txt");
        m_log = m_scratch.file("calls.log");
        _putenv_s(kScriptVariable, m_script.c_str());
    }
    ~WindowsBridgeWorld() override
    {
        _putenv_s(kScriptVariable, "");
        // A loaded library keeps its file, and with it the scratch folder.
        BridgeAccess::UnloadBridgeLibrary();
    }

    void registerPort(const PortRegistration& r) override
    {
        const bool composite = r.form == platform::UsbPortForm::Composite;
        const std::string device = "VID_" + hex(r.vid) + "&PID_" + hex(r.pid) + (composite ? "&MI_00" : "");
        const std::string deviceKey = "System\\CurrentControlSet\\Enum\\USB\\" + device;
        if (m_ownedDevices.insert(deviceKey).second)
            m_keys.own(deviceKey);
        const std::string instance = composite ? r.serial + "_00" : r.serial;
        m_keys.setText(deviceKey + "\\" + instance + "\\Device Parameters", "PortName", r.portName);
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
        m_staged = m_scratch.file("lib-" + std::to_string(++m_libraries)) + "\\CP210xManufacturing_6x.dll";
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
        std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(value));
        return text;
    }

    TempFolder m_scratch;
    RegistryKeys m_keys;
    std::set<std::string> m_ownedDevices;
    std::string m_script;
    std::string m_log;
    std::string m_source;
    std::string m_staged;
    int m_libraries = 0;
};

} // namespace

std::unique_ptr<BridgeWorld> makeBridgeWorld()
{
    return std::make_unique<WindowsBridgeWorld>();
}
