#include "Options.h"

#include "SimulatedTree.h"

#include <array>
#include <utility>

namespace
{

constexpr std::array<std::pair<const char*, ReplyMode>, 5> kReplyModes = {{
    {"ack", ReplyMode::Ack},
    {"silent", ReplyMode::Silent},
    {"late", ReplyMode::Late},
    {"wrong", ReplyMode::Wrong},
    {"twice", ReplyMode::Twice},
}};

bool isSerialNumber(const std::string& text)
{
    if (text.empty() || text.size() > 63)
        return false;
    for (const char c : text) {
        if (c < 0x21 || c > 0x7E || c == '/')
            return false;
    }
    return true;
}

} // namespace

const char* const kUsage =
    "Usage: tavimoro-devsim --tree DIR [--tty ttyUSB0|ttySn] [--serial 0001]\n"
    "                      [--reply ack|silent|late|wrong|twice]\n"
    "Plays the Tavimoro device on a pseudo-terminal that appears, with its sysfs entries,\n"
    "under DIR. Prints the TAVIMORO_SYSFS_ROOT and TAVIMORO_DEV_ROOT to use, then serves\n"
    "until interrupted and removes what it added.\n";

std::string ReplyModeName(ReplyMode mode)
{
    for (const auto& [name, value] : kReplyModes) {
        if (value == mode)
            return name;
    }
    return "?";
}

std::optional<Options> ParseOptions(const std::vector<std::string>& arguments, std::string& error)
{
    Options options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (option == "--help" || option == "-h") {
            options.help = true;
            return options;
        }
        if (option != "--tree" && option != "--tty" && option != "--serial" && option != "--reply") {
            error = "unknown option '" + option + "'";
            return std::nullopt;
        }
        if (i + 1 >= arguments.size()) {
            error = option + " needs a value";
            return std::nullopt;
        }
        const std::string& value = arguments[++i];
        if (option == "--tree") {
            options.tree = value;
        } else if (option == "--tty") {
            if (!SimulatedTree::isSupportedTty(value)) {
                error = "--tty takes ttyUSB0..ttyUSB31 or ttyS0..ttyS31, not '" + value + "'";
                return std::nullopt;
            }
            options.tty = value;
        } else if (option == "--serial") {
            if (!isSerialNumber(value)) {
                error = "--serial takes up to 63 printable characters without '/', not '" + value + "'";
                return std::nullopt;
            }
            options.serial = value;
        } else {
            bool known = false;
            for (const auto& [name, mode] : kReplyModes) {
                if (value == name) {
                    options.reply = mode;
                    known = true;
                }
            }
            if (!known) {
                error = "--reply takes ack, silent, late, wrong or twice, not '" + value + "'";
                return std::nullopt;
            }
        }
    }
    if (options.tree.empty()) {
        error = "--tree DIR is required";
        return std::nullopt;
    }
    return options;
}
