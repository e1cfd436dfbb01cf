#include "platform/UsbLookup.h"

#include "base/Cp1252.h"
#include "platform/Registry_win.h"

namespace platform
{

std::string LookUpUsbPortName(const std::string& vendorHex, const std::string& productHex,
                              const std::string& serial, UsbPortForm form)
{
    // A device instance name never holds a backslash, so such a serial cannot be registered; it must not
    // reach a key of another device either.
    if (serial.find('\\') != std::string::npos)
        return {};
    // The bridge reports 8-bit text; registry names are Unicode.
    const std::string instance = cp1252::toUtf8(serial);
    const std::string device =
        form == UsbPortForm::Plain
            ? "Vid_" + vendorHex + "&Pid_" + productHex + "\\" + instance
            : "Vid_" + vendorHex + "&Pid_" + productHex + "&Mi_00\\" + instance + "_00";
    const std::string key = "System\\CurrentControlSet\\Enum\\USB\\" + device + "\\Device Parameters";
    return registry::ReadText(registry::Hive::LocalMachine, key, "PortName").value_or(std::string());
}

} // namespace platform
