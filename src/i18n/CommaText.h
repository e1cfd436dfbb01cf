#pragma once

#include <string>
#include <string_view>
#include <vector>

// The stored form of a list of strings: items separated by commas, double-quoted where needed.
namespace i18n
{

std::vector<std::string> ParseCommaText(std::string_view text);
// Quotes an item that is empty or holds a comma, a double quote, a space or a control character.
std::string ComposeCommaText(const std::vector<std::string>& items);

} // namespace i18n
