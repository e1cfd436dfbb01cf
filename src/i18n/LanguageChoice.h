#pragma once

#include <string>

class TsiLangDispatcher;

namespace i18n
{

// Makes name the active language: loads Lang/<name>.sil first when the dispatcher lacks the name, then
// sets it, or "English" when setting it fails. A failed load, or a failure to set "English", is raised
// to the caller with the language unchanged.
void ChooseLanguage(TsiLangDispatcher& dispatcher, const std::string& name, const std::string& programFolder);

// The language stored in the configuration at start-up: like ChooseLanguage, but any failure to load or
// set it makes "English" active instead; only a failure to set "English" reaches the caller.
void ActivateConfiguredLanguage(TsiLangDispatcher& dispatcher, const std::string& name,
                                const std::string& programFolder);

} // namespace i18n
