#include "i18n/TranslationRow.h"

namespace i18n
{

std::string_view RowColumn(std::string_view row, int column)
{
    if (column < 0)
        return {};
    std::size_t start = 0;
    for (int i = 0; i < column; ++i) {
        const std::size_t delim = row.find(kLangDelim, start);
        if (delim == std::string_view::npos)
            return {};
        start = delim + 1;
    }
    const std::size_t end = row.find(kLangDelim, start);
    return row.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

bool RowHasText(std::string_view row)
{
    const std::size_t first = row.find(kLangDelim);
    if (first == std::string_view::npos)
        return false;
    return row.find_first_not_of(kLangDelim, first) != std::string_view::npos;
}

std::string MakeRow(std::string_view key, const std::vector<std::string>& texts)
{
    std::string row(key);
    for (const auto& text : texts) {
        row += kLangDelim;
        row += text;
    }
    row += kLangDelim;
    return row;
}

} // namespace i18n
