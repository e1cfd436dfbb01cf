#pragma once

#include <optional>
#include <string>
#include <vector>

// How the simulated device answers an accepted frame.
enum class ReplyMode {
    Ack,    // 0x8C at once
    Silent, // nothing
    Late,   // 0x8C after 1.5 s, past the tool's reply window
    Wrong,  // 0x00 0x8C in one write
    Twice,  // 0x8C, and again 50 ms later
};

struct Options {
    std::string tree;
    std::string tty = "ttyUSB0";
    std::string serial = "0001";
    ReplyMode reply = ReplyMode::Ack;
    bool help = false;
};

// Parses the command line (without the program name); on a bad one returns nothing and sets error.
std::optional<Options> ParseOptions(const std::vector<std::string>& arguments, std::string& error);

std::string ReplyModeName(ReplyMode mode);

extern const char* const kUsage;
