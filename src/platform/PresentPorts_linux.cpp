#include "platform/PresentPorts.h"

#include "base/Error.h"
#include "base/Paths.h"
#include "platform/ComPortNames.h"
#include "platform/SpecialFolders.h"
#include "platform/SysfsAttribute.h"

#include <charconv>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace
{

// Built-in UART slots that have no chip behind them report type 0 and are left out.
bool isRealUart(const fs::path& entry)
{
    const auto type = platform::ReadSysfsAttribute((entry / "type").string());
    if (!type)
        return false;
    int value = 0;
    const auto [end, ec] = std::from_chars(type->data(), type->data() + type->size(), value);
    return ec == std::errc() && end == type->data() + type->size() && value != 0;
}

bool isPortEntry(const fs::path& entry, const std::string& node)
{
    std::error_code ec;
    if (!fs::exists(entry / "device", ec))
        return false;
    return !node.starts_with("ttyS") || isRealUart(entry);
}

} // namespace

namespace platform
{

std::vector<PresentPort> EnumComPorts()
{
    std::vector<PresentPort> ports;
    const fs::path ttys = fs::path(SysfsRoot()) / "class" / "tty";
    std::error_code ec;
    fs::directory_iterator it(ttys, ec);
    if (ec)
        return ports;
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        const std::string node = it->path().filename().string();
        const auto number = comport::comNumberForNode(node);
        if (number && isPortEntry(it->path(), node))
            ports.push_back({comport::comName(*number), AddTrailingBackslash(DevRoot()) + node});
    }
    if (ec)
        throw TavimoroError("COM Port Error: " + ec.message() + " on EnumComPorts");
    SortPresentPorts(ports);
    return ports;
}

} // namespace platform
