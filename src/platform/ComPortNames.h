#pragma once

#include <optional>
#include <string>
#include <string_view>

// Ports keep their COMn names everywhere; on Linux a fixed map ties them to device nodes:
// COM1..COM32 = ttyS0..ttyS31, COM33..COM64 = ttyUSB0..ttyUSB31, COM65..COM96 = ttyACM0..ttyACM31.
namespace comport
{

// "COM%d" for n.
std::string comName(int number);

// The number of a "COMn" name ("com7" too), or nothing for any other text.
std::optional<int> comNumber(std::string_view name);

// "ttyUSB0" -> 33; nothing for a node outside the map.
std::optional<int> comNumberForNode(std::string_view node);

// 33 -> "ttyUSB0"; nothing for a number outside the map.
std::optional<std::string> nodeForComNumber(int number);

// The path that opens the port named name: <TAVIMORO_DEV_ROOT or /dev>/<node> on Linux, \\.\COMn on Windows.
// Empty when the name maps to no device.
std::string devicePath(std::string_view name);

} // namespace comport
