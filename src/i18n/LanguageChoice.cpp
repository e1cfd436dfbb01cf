#include "i18n/LanguageChoice.h"

#include "base/Error.h"
#include "i18n/LanguagePaths.h"
#include "i18n/TextCase.h"
#include "i18n/TsiLangDispatcher.h"

#include <algorithm>

namespace i18n
{

void ChooseLanguage(TsiLangDispatcher& dispatcher, const std::string& name, const std::string& programFolder)
{
    const auto& known = dispatcher.LangNames();
    if (std::none_of(known.begin(), known.end(), [&](const std::string& n) { return SameName(n, name); }))
        dispatcher.LoadFromLanguageFile(LanguageFilePath(programFolder, name));
    try {
        dispatcher.setLanguage(name);
    } catch (const std::exception&) {
        dispatcher.setLanguage("English");
    }
}

void ActivateConfiguredLanguage(TsiLangDispatcher& dispatcher, const std::string& name,
                                const std::string& programFolder)
{
    try {
        ChooseLanguage(dispatcher, name, programFolder);
    } catch (const std::exception&) {
        dispatcher.setLanguage("English");
    }
}

} // namespace i18n
