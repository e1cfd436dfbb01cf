#pragma once

#include <string>
#include <string_view>

// Comparisons that ignore letter case, for keys and sections of language data (bytes, A-Z only)
// and for language names (UTF-8: Latin, Greek and Cyrillic letters).
namespace i18n
{

std::string AsciiLower(std::string_view text);
bool SameAsciiText(std::string_view a, std::string_view b);
bool StartsWithAsciiText(std::string_view text, std::string_view prefix);

// The name with every upper-case letter lowered; malformed UTF-8 is kept byte for byte.
std::string FoldName(std::string_view utf8);
bool SameName(std::string_view a, std::string_view b);
// Orders names without regard to case; names equal but for case are ordered by their bytes.
bool NameLess(std::string_view a, std::string_view b);

} // namespace i18n
