#include "placement/PlacementSection.h"

std::string PlacementSection(const std::string& saveKey, bool saveUser, bool saveMachine,
                             const std::string& user, const std::string& machine)
{
    std::string section = saveKey;
    if (saveUser)
        section += "-" + user;
    if (saveMachine)
        section += "-" + machine;
    return section;
}
