#pragma once

#include <string>

// The section (or registry subkey) that holds a window's placement: saveKey, then "-" and the user's logon
// name when saveUser, then "-" and the computer's name when saveMachine.
std::string PlacementSection(const std::string& saveKey, bool saveUser, bool saveMachine,
                             const std::string& user, const std::string& machine);
