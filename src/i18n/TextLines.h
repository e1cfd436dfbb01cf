#pragma once

#include <string_view>
#include <vector>

namespace i18n
{

// The lines of a text; CR LF, a lone CR and a lone LF each end a line. No empty line follows a final break.
std::vector<std::string_view> SplitLines(std::string_view text);

} // namespace i18n
