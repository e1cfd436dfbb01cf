#include "platform/SerialOpenHint.h"

#include "i18n/MessageTexts.h"
#include "platform/SpecialFolders.h"
#include "platform/SysfsAttribute.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace
{

// The vendor id of the USB-to-serial bridge of the interface.
constexpr const char* kBridgeVendor = "10c4";

using Membership = SerialOpenFacts::Membership;

std::string groupName(gid_t id)
{
    if (const group* entry = ::getgrgid(id))
        return entry->gr_name;
    return std::to_string(id);
}

bool sessionHasGroup(gid_t id)
{
    if (::getegid() == id)
        return true;
    const int count = ::getgroups(0, nullptr);
    if (count <= 0)
        return false;
    std::vector<gid_t> groups(static_cast<std::size_t>(count));
    const int got = ::getgroups(count, groups.data());
    return got > 0 && std::find(groups.begin(), groups.begin() + got, id) != groups.begin() + got;
}

// Whether the account database lists the user in the group, which a session started earlier lacks.
bool accountHasGroup(gid_t id)
{
    const passwd* user = ::getpwuid(::geteuid());
    if (!user)
        return false;
    if (user->pw_gid == id)
        return true;
    const std::string name = user->pw_name;
    const group* entry = ::getgrgid(id);
    if (!entry)
        return false;
    for (char** member = entry->gr_mem; member && *member; ++member)
        if (name == *member)
            return true;
    return false;
}

void examineDenied(SerialOpenFacts& facts)
{
    struct stat info {
    };
    if (::stat(facts.devicePath.c_str(), &info) != 0) {
        facts.group = "dialout";
        return;
    }
    facts.group = groupName(info.st_gid);
    if (sessionHasGroup(info.st_gid))
        facts.membership = Membership::Member;
    else if (accountHasGroup(info.st_gid))
        facts.membership = Membership::NeedsNewLogin;
}

std::string canonical(const std::string& path)
{
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

// The first other process with a descriptor on the node; only processes the user may look into are seen.
void findHolder(SerialOpenFacts& facts)
{
    const std::string node = canonical(facts.devicePath);
    const std::string self = std::to_string(::getpid());
    std::error_code ec;
    for (fs::directory_iterator proc("/proc", ec), end; !ec && proc != end; proc.increment(ec)) {
        const std::string pid = proc->path().filename().string();
        if (pid.empty() ||
            !std::all_of(pid.begin(), pid.end(), [](unsigned char c) { return c >= '0' && c <= '9'; }) ||
            pid == self)
            continue;
        std::error_code fdError;
        for (fs::directory_iterator fd(proc->path() / "fd", fdError); !fdError && fd != end;
             fd.increment(fdError)) {
            std::error_code linkError;
            const fs::path target = fs::read_symlink(fd->path(), linkError);
            if (linkError || target != node)
                continue;
            facts.holderProgram =
                platform::ReadSysfsAttribute((proc->path() / "comm").string()).value_or("?");
            facts.holderProcess = std::stoi(pid);
            return;
        }
    }
}

// A plugged-in bridge without a serial port below its interfaces; its claiming driver, if any.
void examineMissing(SerialOpenFacts& facts)
{
    const fs::path devices = fs::path(platform::SysfsRoot()) / "bus" / "usb" / "devices";
    std::error_code ec;
    for (fs::directory_iterator it(devices, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.find(':') != std::string::npos)
            continue;
        const auto vendor = platform::ReadSysfsAttribute((it->path() / "idVendor").string());
        if (!vendor || *vendor != kBridgeVendor)
            continue;
        bool hasPort = false;
        std::string driver;
        std::error_code inner;
        for (fs::directory_iterator iface(it->path(), inner); !inner && iface != end;
             iface.increment(inner)) {
            const std::string ifaceName = iface->path().filename().string();
            if (!ifaceName.starts_with(name + ":"))
                continue;
            std::error_code probe;
            for (fs::directory_iterator entry(iface->path(), probe); !probe && entry != end;
                 entry.increment(probe)) {
                const std::string entryName = entry->path().filename().string();
                if (entryName.starts_with("ttyUSB") || entryName == "tty")
                    hasPort = true;
            }
            std::error_code linkError;
            const fs::path bound = fs::read_symlink(iface->path() / "driver", linkError);
            if (!linkError && driver.empty())
                driver = bound.filename().string();
        }
        if (hasPort)
            continue;
        facts.bridgePlugged = true;
        // The serial driver bound without a port is a kernel matter, not another claimant.
        facts.claimingDriver = driver == "cp210x" ? std::string() : driver;
        return;
    }
}

} // namespace

namespace platform
{

SerialOpenFacts ExamineSerialOpenFailure(int error, const std::string& devicePath)
{
    SerialOpenFacts facts;
    facts.devicePath = devicePath;
    switch (error) {
    case EACCES:
    case EPERM:
        facts.cause = SerialOpenFacts::Cause::Denied;
        examineDenied(facts);
        break;
    case EBUSY:
    case EWOULDBLOCK:
        facts.cause = SerialOpenFacts::Cause::Busy;
        findHolder(facts);
        break;
    case ENOENT:
    case ENODEV:
    case ENXIO:
        facts.cause = SerialOpenFacts::Cause::Missing;
        examineMissing(facts);
        break;
    default:
        facts.cause = SerialOpenFacts::Cause::Other;
        facts.errorText = std::strerror(error);
        break;
    }
    return facts;
}

std::string SerialOpenHint(int error, const std::string& devicePath)
{
    return SerialOpenAdvice(ExamineSerialOpenFailure(error, devicePath), MessageTexts::language());
}

} // namespace platform
