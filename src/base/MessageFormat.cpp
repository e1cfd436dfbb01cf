#include "base/MessageFormat.h"

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
