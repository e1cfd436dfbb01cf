#include "detect/BridgeAccess.h"

#include "base/Error.h"
#include "platform/DynamicLibrary.h"
#include "platform/SystemInfo.h"
#include "platform/UsbLookup.h"

#include <charconv>
#include <cstdio>
#include <cstring>

namespace BridgeAccess
{
namespace
{

#ifdef _WIN32
constexpr const char* kBridgeLibraryFile = "CP210xManufacturing_6x.dll";
#define TAVIMORO_BRIDGE_CALL __stdcall
#else
constexpr const char* kBridgeLibraryFile = "libtavimoro-cp210x.so";
#define TAVIMORO_BRIDGE_CALL
#endif

using GetNumDevicesFn = BridgeStatus(TAVIMORO_BRIDGE_CALL*)(std::uint32_t*);
using OpenFn = BridgeStatus(TAVIMORO_BRIDGE_CALL*)(std::uint32_t, BridgeHandle*);
using GetIdFn = BridgeStatus(TAVIMORO_BRIDGE_CALL*)(BridgeHandle, std::uint16_t*);
using GetSerialFn = BridgeStatus(TAVIMORO_BRIDGE_CALL*)(BridgeHandle, char*, std::uint8_t*, std::int32_t);
using CloseFn = BridgeStatus(TAVIMORO_BRIDGE_CALL*)(BridgeHandle);

constexpr BridgeStatus kNotLoaded = -1;

struct ModuleState {
    std::string libraryName = kBridgeLibraryFile;
    platform::LibraryHandle libraryHandle = nullptr;
    bool libraryLoaded = false;
    std::uint32_t deviceCount = 0;
    BridgeHandle deviceHandle = nullptr;

    void unload()
    {
        if (libraryLoaded)
            platform::FreeDynamicLibrary(libraryHandle);
        libraryHandle = nullptr;
        libraryLoaded = false;
    }

    // Module finalisation at program end.
    ~ModuleState()
    {
        unload();
        libraryName.clear();
    }
};

ModuleState& state()
{
    static ModuleState module;
    return module;
}

template <typename Fn, typename... Args> BridgeStatus callEntry(const char* name, Args... args)
{
    void* entry = ResolveBridgeEntry(name);
    if (!state().libraryLoaded)
        return kNotLoaded;
    return reinterpret_cast<Fn>(entry)(args...);
}

std::string upperHex(std::uint16_t value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%.2X", static_cast<unsigned>(value));
    return text;
}

std::string serialText(const SerialBuffer& serial)
{
    return std::string(serial.data(), strnlen(serial.data(), serial.size()));
}

} // namespace

const std::string& BridgeLibraryName()
{
    return state().libraryName;
}

void SetBridgeLibraryName(std::string fileName)
{
    state().libraryName = std::move(fileName);
}

bool BridgeLibraryLoaded()
{
    return state().libraryLoaded;
}

std::uint32_t BridgeDeviceCount()
{
    return state().deviceCount;
}

void* ResolveBridgeEntry(const char* name)
{
    auto& s = state();
    if (s.libraryLoaded) {
        if (void* entry = platform::DynamicLibraryEntry(s.libraryHandle, name))
            return entry;
        throw TavimoroError(std::string("Function ") + name + " not found!");
    }
    s.libraryHandle = platform::LoadDynamicLibrary(s.libraryName);
    if (!s.libraryHandle)
        return nullptr;
    void* entry = platform::DynamicLibraryEntry(s.libraryHandle, name);
    if (!entry) {
        // The next call loads it again, so this load is released instead of leaking a reference.
        platform::FreeDynamicLibrary(s.libraryHandle);
        s.libraryHandle = nullptr;
        return nullptr;
    }
    s.libraryLoaded = true;
    return entry;
}

BridgeStatus BridgeGetNumDevices(std::uint32_t* count)
{
    return callEntry<GetNumDevicesFn>("CP210x_GetNumDevices", count);
}

BridgeStatus BridgeOpen(std::uint32_t index, BridgeHandle* handle)
{
    return callEntry<OpenFn>("CP210x_Open", index, handle);
}

BridgeStatus BridgeGetDeviceVid(BridgeHandle handle, std::uint16_t* vid)
{
    return callEntry<GetIdFn>("CP210x_GetDeviceVid", handle, vid);
}

BridgeStatus BridgeGetDevicePid(BridgeHandle handle, std::uint16_t* pid)
{
    return callEntry<GetIdFn>("CP210x_GetDevicePid", handle, pid);
}

BridgeStatus BridgeGetDeviceSerialNumber(BridgeHandle handle, char* serial, std::uint8_t* length,
                                         bool toAscii)
{
    return callEntry<GetSerialFn>("CP210x_GetDeviceSerialNumber", handle, serial, length,
                                  static_cast<std::int32_t>(toAscii ? 1 : 0));
}

BridgeStatus BridgeClose(BridgeHandle handle)
{
    return callEntry<CloseFn>("CP210x_Close", handle);
}

bool CountBridgeDevices()
{
    return BridgeGetNumDevices(&state().deviceCount) == 0;
}

int FindInterfacePort()
{
    const bool ntFamily = platform::IsNtPlatform();
    int result = -1;
    const std::uint32_t count = state().deviceCount;
    for (std::uint32_t index = 0; index < count; ++index) {
        int yield = -1;
        if (BridgeOpen(index, &state().deviceHandle) == 0) {
            const BridgeHandle handle = state().deviceHandle;
            std::uint16_t vid = 0;
            std::uint16_t pid = 0;
            SerialBuffer serial{};
            std::uint8_t length = 0;
            bool readAll = false;
            try {
                readAll = BridgeGetDeviceVid(handle, &vid) == 0 && BridgeGetDevicePid(handle, &pid) == 0 &&
                          BridgeGetDeviceSerialNumber(handle, serial.data(), &length, true) == 0;
            } catch (...) {
                BridgeClose(handle);
                throw;
            }
            BridgeClose(handle);
            if (readAll && ntFamily)
                yield = LookUpBridgePort(vid, pid, serial);
        }
        if (result == -1)
            result = yield;
    }
    return result;
}

int LookUpBridgePort(std::uint16_t vendorId, std::uint16_t productId, const SerialBuffer& serial)
{
    const std::string vendor = upperHex(vendorId);
    const std::string product = upperHex(productId);
    const std::string serialName = serialText(serial);
    std::string portName =
        platform::LookUpUsbPortName(vendor, product, serialName, platform::UsbPortForm::Plain);
    if (portName.empty())
        portName = platform::LookUpUsbPortName(vendor, product, serialName, platform::UsbPortForm::Composite);
    if (portName.empty() || vendorId != kInterfaceVendorId || productId != kInterfaceProductId ||
        serialName != kInterfaceSerial)
        return -1;
    return PortNumberFromName(portName);
}

int PortNumberFromName(std::string_view portName)
{
    if (portName.size() <= 3)
        return -1;
    const std::string_view rest = portName.substr(3);
    const char* first = rest.data();
    const char* last = rest.data() + rest.size();
    if (*first == '+')
        ++first;
    int value = -1;
    const auto [end, ec] = std::from_chars(first, last, value);
    if (first == last || ec != std::errc() || end != last)
        return -1;
    return value;
}

void UnloadBridgeLibrary()
{
    state().unload();
}

void FinalizeBridgeAccess()
{
    state().unload();
    state().libraryName.clear();
}

} // namespace BridgeAccess
