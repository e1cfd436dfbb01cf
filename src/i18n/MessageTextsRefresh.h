#pragma once

class TsiLang;

namespace i18n
{

// Refills MessageTexts with the translator's text of every identifier the program formats itself.
void RefreshMessageTexts(const TsiLang& translator);

} // namespace i18n
