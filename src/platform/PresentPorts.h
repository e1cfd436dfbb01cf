#pragma once

#include <string>
#include <string_view>
#include <vector>

// The serial ports present on the PC, by the names that open them.
namespace platform
{

struct PresentPort {
    std::string name;   // "COM33"
    std::string device; // where it lives, shown beside the name: "/dev/ttyUSB0"
};

// The present ports in port-list order. An unreadable port source gives an empty list; a failure while
// reading it raises TavimoroError "COM Port Error: <reason> on EnumComPorts".
std::vector<PresentPort> EnumComPorts();

// Port-list order: without regard to case, digits compared as characters (COM1, COM10, COM2).
bool PortNameLess(std::string_view a, std::string_view b);

// Sorts in port-list order; equal names keep their order.
void SortPresentPorts(std::vector<PresentPort>& ports);

} // namespace platform
