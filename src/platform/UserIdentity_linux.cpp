#include "platform/UserIdentity.h"

#include <pwd.h>
#include <unistd.h>

#include <climits>
#include <vector>

namespace platform
{

std::string UserLogonName()
{
    // The account of the effective user first: getlogin() fails without a controlling terminal.
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_name)
        return found->pw_name;
    if (const char* login = getlogin())
        return login;
    return {};
}

std::string ComputerName()
{
    char name[HOST_NAME_MAX + 1] = {};
    if (gethostname(name, sizeof name - 1) != 0)
        return {};
    return name;
}

} // namespace platform
