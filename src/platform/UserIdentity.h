#pragma once

#include <string>

// Who is running the tool, and where; both UTF-8, empty when the system cannot tell.
namespace platform
{

// The logon name of the user that runs the process.
std::string UserLogonName();

// The network name of this computer.
std::string ComputerName();

} // namespace platform
