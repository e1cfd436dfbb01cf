#pragma once

#include <string>

namespace i18n
{

// <program folder>/Lang
std::string LanguageFolder(const std::string& programFolder);
// <program folder>/Lang/<name>.sil; raises TavimoroError for a name that would leave the folder.
std::string LanguageFilePath(const std::string& programFolder, const std::string& languageName);

} // namespace i18n
