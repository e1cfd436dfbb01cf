#include "i18n/FileDialogFilter.h"

#include <algorithm>

namespace
{

std::vector<std::string_view> splitBars(std::string_view text)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t bar = text.find('|', start);
        parts.push_back(
            text.substr(start, bar == std::string_view::npos ? std::string_view::npos : bar - start));
        if (bar == std::string_view::npos)
            return parts;
        start = bar + 1;
    }
}

} // namespace

namespace i18n
{

std::vector<std::string> NameFiltersFromFilter(std::string_view filter)
{
    std::vector<std::string> filters;
    if (filter.empty())
        return filters;
    const auto parts = splitBars(filter);
    for (std::size_t i = 0; i < parts.size(); i += 2) {
        const std::string_view description = parts[i];
        std::string patterns = i + 1 < parts.size() ? std::string(parts[i + 1]) : std::string();
        std::replace(patterns.begin(), patterns.end(), ';', ' ');
        if (patterns.empty() || description.find("(" + patterns + ")") != std::string_view::npos)
            filters.emplace_back(description);
        else
            filters.push_back(std::string(description) + " (" + patterns + ")");
    }
    return filters;
}

} // namespace i18n
