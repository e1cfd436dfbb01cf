#pragma once

#include <string>
#include <vector>

// The language files in the folder Lang beside the program and the names of their languages.
namespace i18n
{

// Appends Language_1 and Language_2 of the file unless names holds them already (case ignored).
void AddLanguageNames(const std::string& path, std::vector<std::string>& names);
// The distinct language names of every *.sil file of the language folder, sorted without regard to case;
// empty when the folder is missing.
std::vector<std::string> LoadLanguageFiles(const std::string& programFolder);

} // namespace i18n
