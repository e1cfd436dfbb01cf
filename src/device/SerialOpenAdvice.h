#pragma once

#include <string>
#include <string_view>

// What is known about a failed opening of a serial device node, gathered only after it failed.
struct SerialOpenFacts {
    enum class Cause { Denied, Busy, Missing, Other };
    enum class Membership { NotMember, NeedsNewLogin, Member };

    Cause cause = Cause::Other;
    std::string devicePath;
    // Other: the system's text of the error.
    std::string errorText;
    // Denied: the group that owns the node, and how the user stands to it.
    std::string group;
    Membership membership = Membership::NotMember;
    // Busy: the program that holds the node and its process id; empty and 0 when it cannot be seen.
    std::string holderProgram;
    int holderProcess = 0;
    // Missing: the USB-to-serial bridge is plugged in but no serial port was made for it.
    bool bridgePlugged = false;
    // Missing with the bridge plugged in: the driver bound to it instead; empty when none is.
    std::string claimingDriver;
};

// Says in one line why the opening failed and what the user can do: in German when language is "German",
// in English for every other language.
std::string SerialOpenAdvice(const SerialOpenFacts& facts, std::string_view language);
