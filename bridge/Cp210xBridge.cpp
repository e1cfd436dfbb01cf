// The bridge library on Linux: answers the six entry points from sysfs. CP210x bridges are USB devices of
// vendor 10c4 with an interface bound to the cp210x driver, indexed in sorted device-name order.
#include "platform/SpecialFolders.h"
#include "platform/SysfsAttribute.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <system_error>
#include <vector>

#define TAVIMORO_BRIDGE_EXPORT extern "C" __attribute__((visibility("default")))

namespace fs = std::filesystem;

namespace
{

enum Status : std::int32_t {
    kSuccess = 0,
    kInvalidParameter = 1,
    kDeviceNotFound = 2,
    kInvalidHandle = 3,
    kReadFailed = 4,
};

constexpr std::size_t kSerialBufferSize = 64;

struct Bridge {
    fs::path device;
};

std::mutex g_mutex;
std::vector<fs::path> g_bridges; // the latest enumeration, which device indexes refer to
bool g_enumerated = false;
std::set<const Bridge*> g_open;

bool boundToCp210x(const fs::path& device, const std::string& name)
{
    std::error_code ec;
    for (fs::directory_iterator it(device, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->path().filename().string().starts_with(name + ":"))
            continue;
        std::error_code linkError;
        const fs::path driver = fs::read_symlink(it->path() / "driver", linkError);
        if (!linkError && driver.filename() == "cp210x")
            return true;
    }
    return false;
}

std::vector<fs::path> enumerateBridges()
{
    const fs::path devices = fs::path(platform::SysfsRoot()) / "bus" / "usb" / "devices";
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(devices, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.find(':') == std::string::npos)
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    std::vector<fs::path> bridges;
    for (const auto& name : names) {
        const fs::path device = devices / name;
        const auto vendor = platform::ReadSysfsAttribute((device / "idVendor").string());
        if (vendor && (*vendor == "10c4" || *vendor == "10C4") && boundToCp210x(device, name))
            bridges.push_back(device);
    }
    return bridges;
}

const Bridge* openBridge(void* handle)
{
    const auto* bridge = static_cast<const Bridge*>(handle);
    return g_open.count(bridge) ? bridge : nullptr;
}

std::int32_t readId(void* handle, const char* attribute, std::uint16_t* id)
{
    if (!id)
        return kInvalidParameter;
    std::lock_guard lock(g_mutex);
    const Bridge* bridge = openBridge(handle);
    if (!bridge)
        return kInvalidHandle;
    const auto text = platform::ReadSysfsAttribute((bridge->device / attribute).string());
    if (!text || text->empty() || text->size() > 4)
        return kReadFailed;
    unsigned value = 0;
    const auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), value, 16);
    if (ec != std::errc() || end != text->data() + text->size())
        return kReadFailed;
    *id = static_cast<std::uint16_t>(value);
    return kSuccess;
}

} // namespace

TAVIMORO_BRIDGE_EXPORT std::int32_t CP210x_GetNumDevices(std::uint32_t* count)
{
    if (!count)
        return kInvalidParameter;
    std::lock_guard lock(g_mutex);
    g_bridges = enumerateBridges();
    g_enumerated = true;
    *count = static_cast<std::uint32_t>(g_bridges.size());
    return kSuccess;
}

TAVIMORO_BRIDGE_EXPORT std::int32_t CP210x_Open(std::uint32_t index, void** handle)
{
    if (!handle)
        return kInvalidParameter;
    std::lock_guard lock(g_mutex);
    if (!g_enumerated) {
        g_bridges = enumerateBridges();
        g_enumerated = true;
    }
    std::error_code ec;
    if (index >= g_bridges.size() || !fs::is_directory(g_bridges[index], ec))
        return kDeviceNotFound;
    auto bridge = std::make_unique<Bridge>(Bridge{g_bridges[index]});
    g_open.insert(bridge.get());
    *handle = bridge.release();
    return kSuccess;
}

TAVIMORO_BRIDGE_EXPORT std::int32_t CP210x_GetDeviceVid(void* handle, std::uint16_t* vid)
{
    return readId(handle, "idVendor", vid);
}

TAVIMORO_BRIDGE_EXPORT std::int32_t CP210x_GetDevicePid(void* handle, std::uint16_t* pid)
{
    return readId(handle, "idProduct", pid);
}

// The serial as 8-bit text (toAscii) or UTF-16LE, cut to the 64-byte buffer, NUL-terminated when shorter.
TAVIMORO_BRIDGE_EXPORT std::int32_t CP210x_GetDeviceSerialNumber(void* handle, char* buffer,
                                                                 std::uint8_t* length, std::int32_t toAscii)
{
    if (!buffer || !length)
        return kInvalidParameter;
    std::lock_guard lock(g_mutex);
    const Bridge* bridge = openBridge(handle);
    if (!bridge)
        return kInvalidHandle;
    const auto serial = platform::ReadSysfsAttribute((bridge->device / "serial").string());
    if (!serial)
        return kReadFailed;
    std::string bytes;
    if (toAscii) {
        bytes = *serial;
    } else {
        for (const char c : *serial) {
            bytes += c;
            bytes += '\0';
        }
    }
    const std::size_t used = std::min(bytes.size(), kSerialBufferSize);
    std::memcpy(buffer, bytes.data(), used);
    if (used < kSerialBufferSize)
        buffer[used] = '\0';
    *length = static_cast<std::uint8_t>(used);
    return kSuccess;
}

TAVIMORO_BRIDGE_EXPORT std::int32_t CP210x_Close(void* handle)
{
    std::lock_guard lock(g_mutex);
    const Bridge* bridge = openBridge(handle);
    if (!bridge)
        return kInvalidHandle;
    g_open.erase(bridge);
    delete bridge;
    return kSuccess;
}
