#include "i18n/LanguagePaths.h"

#include "base/Error.h"
#include "base/Paths.h"

namespace i18n
{

std::string LanguageFolder(const std::string& programFolder)
{
    return AddTrailingBackslash(programFolder) + "Lang";
}

std::string LanguageFilePath(const std::string& programFolder, const std::string& languageName)
{
    if (languageName.find_first_of("/\\") != std::string::npos ||
        languageName.find('\0') != std::string::npos)
        throw TavimoroError("Cannot open file \"" + languageName + ".sil\". Not a language name");
    return AddTrailingBackslash(LanguageFolder(programFolder)) + languageName + ".sil";
}

} // namespace i18n
