#include "platform/SerialOpenHint.h"

#include <cerrno>
#include <cstring>
#include <grp.h>
#include <sys/stat.h>

namespace
{

std::string owningGroup(const std::string& devicePath)
{
    struct stat info {
    };
    if (::stat(devicePath.c_str(), &info) != 0)
        return "dialout";
    if (const group* entry = ::getgrgid(info.st_gid))
        return entry->gr_name;
    return std::to_string(info.st_gid);
}

} // namespace

namespace platform
{

std::string SerialOpenHint(int error, const std::string& devicePath)
{
    switch (error) {
    case EACCES:
    case EPERM: {
        const std::string group = owningGroup(devicePath);
        return "Access to " + devicePath + " is denied: it belongs to the group '" + group +
               "'. Add your user to that group (sudo usermod -aG " + group +
               " $USER) and log in again, or install the udev rule 70-tavimoro-interface.rules and plug the "
               "interface in again.";
    }
    case EBUSY:
    case EWOULDBLOCK:
        return "Another program is using " + devicePath + ". Close that program and try again.";
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return "The device " + devicePath +
               " is not there: the interface is unplugged, or another driver has claimed it.";
    default:
        return devicePath + ": " + std::strerror(error) + ".";
    }
}

} // namespace platform
