#pragma once

#include <string>
#include <string_view>

#include "i18n/TranslationRow.h"

// The stored form of the built-in tables: a line naming each table ("stCaptions", ...) followed by its
// rows, one per line, with CR stored as 0x19 and LF as 0x1A. 8-bit text; UTF-16 LE is recognised.
namespace i18n
{

// Each table named in data is emptied and refilled; rows keyed with className go to the front.
void ReadTranslationData(std::string_view data, std::string_view className, TranslationTables& tables);
// Every table in order, lines ended by CR LF.
std::string WriteTranslationData(const TranslationTables& tables);

} // namespace i18n
