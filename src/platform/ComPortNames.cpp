#include "platform/ComPortNames.h"

#include <array>
#include <charconv>

namespace
{

struct NodeRange {
    std::string_view prefix;
    int firstCom;
};

constexpr std::array<NodeRange, 3> kRanges = {{{"ttyS", 1}, {"ttyUSB", 33}, {"ttyACM", 65}}};
constexpr int kNodesPerRange = 32;

std::optional<int> parseNumber(std::string_view digits)
{
    if (digits.empty() || digits.size() > 6)
        return std::nullopt;
    int value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

} // namespace

namespace comport
{

std::string comName(int number)
{
    return "COM" + std::to_string(number);
}

std::optional<int> comNumber(std::string_view name)
{
    if (name.size() < 4)
        return std::nullopt;
    for (std::size_t i = 0; i < 3; ++i) {
        if ((name[i] | 0x20) != "com"[i])
            return std::nullopt;
    }
    const std::string_view digits = name.substr(3);
    if (digits.front() == '+' || digits.front() == '-')
        return std::nullopt;
    return parseNumber(digits);
}

std::optional<int> comNumberForNode(std::string_view node)
{
    for (const auto& range : kRanges) {
        if (!node.starts_with(range.prefix))
            continue;
        const auto index = parseNumber(node.substr(range.prefix.size()));
        // "ttyS01" and "ttyUSB-3" are not kernel names; only canonical digits map.
        if (!index || *index < 0 || *index >= kNodesPerRange ||
            std::to_string(*index) != node.substr(range.prefix.size()))
            return std::nullopt;
        return range.firstCom + *index;
    }
    return std::nullopt;
}

std::optional<std::string> nodeForComNumber(int number)
{
    for (const auto& range : kRanges) {
        if (number >= range.firstCom && number < range.firstCom + kNodesPerRange)
            return std::string(range.prefix) + std::to_string(number - range.firstCom);
    }
    return std::nullopt;
}

} // namespace comport
