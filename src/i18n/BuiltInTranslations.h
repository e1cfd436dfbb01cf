#pragma once

#include <string_view>

namespace i18n
{

// The built-in English and German tables of the main window, in their stored form (Windows-1252).
std::string_view BuiltInTranslationData();

} // namespace i18n
