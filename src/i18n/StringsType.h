#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// The translation tables, in the order of stored data, language files and the applying step.
enum TStringsType {
    stCaptions,
    stHints,
    stDisplayLabels,
    stFonts,
    stMultiLines,
    stDlgsCaptions,
    stStrings,
    stOtherStrings,
    stLocales,
    stCollections,
    stCharSets,
    stListView_TreeView_Items
};

namespace i18n
{

// The translator keeps every table but the last one.
inline constexpr std::size_t kTableCount = stCharSets + 1;

inline constexpr std::array<std::string_view, stListView_TreeView_Items + 1> kStringsTypeNames = {
    "stCaptions",   "stHints",        "stDisplayLabels", "stFonts",
    "stMultiLines", "stDlgsCaptions", "stStrings",       "stOtherStrings",
    "stLocales",    "stCollections",  "stCharSets",      "stListView_TreeView_Items"};

inline constexpr std::array<std::string_view, stListView_TreeView_Items + 1> kLanguageFileSections = {
    "Captions", "Hints", "DisplayLabels", "Fonts",       "Multilines", "Dialogs",
    "Strings",  "Other", "Locales",       "Collections", "CharSets",   "ListView_TreeView_Items"};

} // namespace i18n
