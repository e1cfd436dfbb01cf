#pragma once

#include <string>

// Folders and roots the tool reads from the OS; every path is UTF-8 with native separators.
namespace platform
{

// The user's application-data folder (Linux: $XDG_CONFIG_HOME, else $HOME/.config); empty when unknown.
std::string GetSpecialFolder();

// The folder that holds the language files' folder Lang: the executable's folder when it has Lang,
// else the installed share folder; $TAVIMORO_PROGRAM_FOLDER, when set, overrides both.
std::string ProgramFolder();

// Root of every sysfs read ($TAVIMORO_SYSFS_ROOT, default /sys). Linux only.
std::string SysfsRoot();

// Folder of the serial device nodes ($TAVIMORO_DEV_ROOT, default /dev). Linux only.
std::string DevRoot();

} // namespace platform
