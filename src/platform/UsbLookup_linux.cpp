#include "platform/UsbLookup.h"

#include "base/Paths.h"
#include "platform/ComPortNames.h"
#include "platform/SpecialFolders.h"
#include "platform/SysfsAttribute.h"

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace
{

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

std::vector<std::string> sortedEntryNames(const fs::path& folder)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

bool attributeIs(const fs::path& device, const char* attribute, std::string_view expected, bool ignoreCase)
{
    const auto value = platform::ReadSysfsAttribute((device / attribute).string());
    if (!value)
        return false;
    return ignoreCase ? equalsIgnoringCase(*value, expected) : *value == expected;
}

// Interface 0 of the device's active configuration: "<dev>:<config>.0".
std::vector<fs::path> firstInterfaces(const fs::path& device, const std::string& deviceName)
{
    std::vector<fs::path> found;
    const std::string prefix = deviceName + ":";
    for (const auto& name : sortedEntryNames(device)) {
        if (name.starts_with(prefix) && name.ends_with(".0"))
            found.push_back(device / name);
    }
    return found;
}

std::string comNameBelow(const fs::path& folder, std::string_view nodePrefix)
{
    for (const auto& name : sortedEntryNames(folder)) {
        if (!name.starts_with(nodePrefix))
            continue;
        if (const auto number = comport::comNumberForNode(name))
            return comport::comName(*number);
    }
    return {};
}

} // namespace

namespace platform
{

std::string LookUpUsbPortName(const std::string& vendorHex, const std::string& productHex,
                              const std::string& serial, UsbPortForm form)
{
    const fs::path devices = fs::path(SysfsRoot()) / "bus" / "usb" / "devices";
    for (const auto& name : sortedEntryNames(devices)) {
        // Interfaces ("1-2:1.0") carry no ids; only devices are matched.
        if (name.find(':') != std::string::npos)
            continue;
        const fs::path device = devices / name;
        // The serial first: it tells most devices apart with one read.
        if (!attributeIs(device, "serial", serial, false) ||
            !attributeIs(device, "idVendor", vendorHex, true) ||
            !attributeIs(device, "idProduct", productHex, true))
            continue;
        for (const auto& interface : firstInterfaces(device, name)) {
            const std::string port = form == UsbPortForm::Plain ? comNameBelow(interface, "ttyUSB")
                                                                : comNameBelow(interface / "tty", "ttyACM");
            if (!port.empty())
                return port;
        }
    }
    return {};
}

} // namespace platform
