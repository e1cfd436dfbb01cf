#pragma once

#include "FakeWindow.h"
#include "base/Cp1252.h"
#include "i18n/BuiltInTranslations.h"
#include "i18n/CommaText.h"
#include "i18n/TranslationData.h"

// A fake main window whose components carry their designed (German) texts, as the built-in tables name them.
inline void addBuiltInComponents(FakeWindow& window)
{
    TranslationTables tables;
    i18n::ReadTranslationData(i18n::BuiltInTranslationData(), "TFOrdakSetup", tables);
    const auto german = [](std::string_view row) { return cp1252::toUtf8(i18n::RowColumn(row, 2)); };
    window.add("FOrdakSetup").texts["Caption"] = "Designed caption";
    for (const auto& row : tables[stCaptions])
        window.add(std::string(i18n::RowKey(row))).texts["Caption"] = german(row);
    for (const auto& row : tables[stHints])
        window.add(std::string(i18n::RowKey(row))).texts["Hint"] = german(row);
    for (const auto& row : tables[stMultiLines]) {
        const std::string key(i18n::RowKey(row));
        const auto point = key.find('.');
        auto& list = window.add(key.substr(0, point)).lists[key.substr(point + 1)];
        list.items = i18n::ParseCommaText(german(row));
        if (key == "rgTime.Items")
            list.items = {"24h", "12h"};
        list.selected = 0;
    }
    for (const auto& row : tables[stOtherStrings]) {
        const std::string key(i18n::RowKey(row));
        const auto point = key.find('.');
        window.add(key.substr(0, point)).texts[key.substr(point + 1)] = german(row);
    }
    window.list("Memo1", "Lines").wordWrap = true;
}
