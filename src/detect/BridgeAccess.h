#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Access to the USB bridge library: which COM port is the device's interface attached to right now?
// One module with program-wide state, used from the user-interface thread only; not reentrant.
namespace BridgeAccess
{

// Every entry point answers a 32-bit status: 0 is success, anything else failure.
using BridgeStatus = std::int32_t;
using BridgeHandle = void*;
inline constexpr std::size_t kSerialBufferSize = 64;
using SerialBuffer = std::array<char, kSerialBufferSize>;

// The identity of the device's PC interface.
inline constexpr std::uint16_t kInterfaceVendorId = 0x10C4;
inline constexpr std::uint16_t kInterfaceProductId = 0xEA60;
inline constexpr std::string_view kInterfaceSerial = "0001";

// The file name of the bridge library: a bare name, found by the platform's library search order.
const std::string& BridgeLibraryName();
// Points the module at another library file (tests); takes effect at the next load.
void SetBridgeLibraryName(std::string fileName);
bool BridgeLibraryLoaded();
std::uint32_t BridgeDeviceCount();

// The named entry point, loading the library when it is not marked loaded. On that first load a missing
// entry point gives nullptr and the library stays unmarked; once loaded, a missing entry point raises
// TavimoroError "Function <name> not found!".
void* ResolveBridgeEntry(const char* name);

// The wrappers: resolve, then call when the library is marked loaded; else a failure status, no call.
BridgeStatus BridgeGetNumDevices(std::uint32_t* count);
BridgeStatus BridgeOpen(std::uint32_t index, BridgeHandle* handle);
BridgeStatus BridgeGetDeviceVid(BridgeHandle handle, std::uint16_t* vid);
BridgeStatus BridgeGetDevicePid(BridgeHandle handle, std::uint16_t* pid);
BridgeStatus BridgeGetDeviceSerialNumber(BridgeHandle handle, char* serial, std::uint8_t* length,
                                         bool toAscii);
BridgeStatus BridgeClose(BridgeHandle handle);

// Asks the library for the attached bridges into BridgeDeviceCount; true when it answered.
// True with a count of 0: the library is there and no bridge is attached.
bool CountBridgeDevices();

// The port number of the attached interface, or -1, over the bridges of the latest CountBridgeDevices.
// Opens and closes every bridge once; the lowest device index with a port wins.
int FindInterfacePort();

// The port number registered for one bridge when it has the interface identity, else -1.
int LookUpBridgePort(std::uint16_t vendorId, std::uint16_t productId, const SerialBuffer& serial);

// The number in a port name from its fourth character on ("COM12" -> 12), or -1 when that is no integer.
int PortNumberFromName(std::string_view portName);

// Frees the library when it is marked loaded and marks it unloaded.
void UnloadBridgeLibrary();

// Program end: frees the library when marked loaded and clears the file name. Runs on its own at exit.
void FinalizeBridgeAccess();

} // namespace BridgeAccess
