#pragma once

#include <string_view>

namespace i18n
{

// The flag pictures of the language selector, by index.
enum FlagIndex {
    flagUnitedKingdom,
    flagGermany,
    flagFrance,
    flagItaly,
    flagNetherlands,
    flagSpain,
    flagUnknown
};

// Chosen by the first three letters of the name, A-Z lowered ("eng", "ger"/"deu", "fre"/"fra", "ita",
// "net"/"dut", "spa"/"esp"); any other name and a name shorter than three letters get flagUnknown.
FlagIndex FlagForLanguage(std::string_view name);

} // namespace i18n
