#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/StringsType.h"

// A row is one 8-bit string: key 0x01 text-of-language-1 0x01 text-of-language-2 0x01.
using TranslationTable = std::vector<std::string>;
using TranslationTables = std::array<TranslationTable, i18n::kTableCount>;

namespace i18n
{

inline constexpr char kLangDelim = '\x01';

// Column 0 is the key; column n the text after the n-th delimiter (empty when the row has fewer).
std::string_view RowColumn(std::string_view row, int column);
inline std::string_view RowKey(std::string_view row)
{
    return RowColumn(row, 0);
}
bool RowHasText(std::string_view row);
std::string MakeRow(std::string_view key, const std::vector<std::string>& texts);

} // namespace i18n
