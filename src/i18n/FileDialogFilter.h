#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace i18n
{

// "Settings Files (*.dat)|*.dat|All (*.*)|*.*" -> {"Settings Files (*.dat)", "All (*.*)"}: description and
// pattern pairs as file-dialog name filters. A description without its patterns in brackets gets them.
std::vector<std::string> NameFiltersFromFilter(std::string_view filter);

} // namespace i18n
