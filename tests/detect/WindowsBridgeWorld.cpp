#include "../support/TempFolder.h"
#include "RegistryKeys.h"
#include "ScriptedBridgeWorld.h"
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
class WindowsBridgeWorld : public ScriptedBridgeWorld
{
public:
    WindowsBridgeWorld()
    {
        useFiles(m_scratch.file("bridges.txt"), m_scratch.file("calls.log"));
        _putenv_s(kScriptVariable, scriptFile().c_str());
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

protected:
    std::string libraryPath(int n) const override
    {
        return m_scratch.file("lib-" + std::to_string(n)) + "\\CP210xManufacturing_6x.dll";
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
};

} // namespace

std::unique_ptr<BridgeWorld> makeBridgeWorld()
{
    return std::make_unique<WindowsBridgeWorld>();
}
