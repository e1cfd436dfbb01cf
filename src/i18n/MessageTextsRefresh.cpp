#include "i18n/MessageTextsRefresh.h"

#include "i18n/MessageTexts.h"
#include "i18n/TsiLang.h"

namespace i18n
{

void RefreshMessageTexts(const TsiLang& translator)
{
    for (const std::string_view id : MessageTexts::kAll)
        MessageTexts::setText(id, translator.GetTextOrDefault(id));
    MessageTexts::setLanguage(translator.Language());
}

} // namespace i18n
