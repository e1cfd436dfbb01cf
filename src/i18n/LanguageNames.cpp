#include "i18n/LanguageNames.h"

#include "base/Error.h"
#include "base/IniFile.h"
#include "base/Paths.h"
#include "i18n/LanguageFile.h"
#include "i18n/LanguagePaths.h"
#include "i18n/TextCase.h"
#include "platform/FileSearch.h"

#include <algorithm>

namespace
{

constexpr const char* kLanguageNamesSection = "Language names - for internal use only!";

void addName(const std::string& name, std::vector<std::string>& names)
{
    const bool known = std::any_of(names.begin(), names.end(),
                                   [&](const std::string& other) { return i18n::SameName(other, name); });
    if (!known)
        names.push_back(name);
}

} // namespace

namespace i18n
{

void AddLanguageNames(const std::string& path, std::vector<std::string>& names)
{
    const IniFile ini(path);
    // The INI reader decodes Windows-1252, which cannot carry the names of a UTF-8 file.
    if (ini.readInteger("OPTIONS", "IsUTF8File", 0) != 0) {
        const LanguageFile file = LanguageFile::load(path);
        addName(file.valueOr(kLanguageNamesSection, "Language_1", ""), names);
        addName(file.valueOr(kLanguageNamesSection, "Language_2", ""), names);
        return;
    }
    addName(ini.readString(kLanguageNamesSection, "Language_1", ""), names);
    addName(ini.readString(kLanguageNamesSection, "Language_2", ""), names);
}

std::vector<std::string> LoadLanguageFiles(const std::string& programFolder)
{
    const std::string folder = LanguageFolder(programFolder);
    std::vector<std::string> files;
    platform::FindFiles(folder, "*.sil", &files);
    std::vector<std::string> names;
    for (const auto& file : files) {
        try {
            AddLanguageNames(AddTrailingBackslash(folder) + file, names);
        } catch (const TavimoroError&) {
            // An unreadable file offers no names; the others still do.
        }
    }
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return NameLess(a, b); });
    return names;
}

} // namespace i18n
