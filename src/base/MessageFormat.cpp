#include "base/MessageFormat.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace
{

std::string argumentText(const FormatArg& arg)
{
    if (const auto* number = std::get_if<long long>(&arg))
        return std::to_string(*number);
    return std::get<std::string>(arg);
}

} // namespace

std::string FormatMessage(std::string_view format, std::initializer_list<FormatArg> args)
{
    const std::vector<FormatArg> given(args);
    std::size_t next = 0;
    std::string out;
    out.reserve(format.size() + 16);
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (c != '%' || i + 1 >= format.size()) {
            out += c;
            continue;
        }
        const char directive = format[i + 1];
        if (directive == '%') {
            out += '%';
            ++i;
        } else if ((directive == 'd' || directive == 's') && next < given.size()) {
            out += argumentText(given[next++]);
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

std::string FormatFixed(double value, int decimals)
{
    decimals = decimals < 0 ? 0 : (decimals > 17 ? 17 : decimals);
    if (!std::isfinite(value))
        value = 0;
    char buffer[400];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return ec == std::errc() ? std::string(buffer, end) : std::string("0");
}
