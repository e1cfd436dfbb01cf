#include "i18n/FlagChoice.h"

#include "i18n/TextCase.h"

#include <array>
#include <utility>

namespace i18n
{

FlagIndex FlagForLanguage(std::string_view name)
{
    static constexpr std::array<std::pair<std::string_view, FlagIndex>, 10> kPrefixes = {{
        {"eng", flagUnitedKingdom},
        {"ger", flagGermany},
        {"deu", flagGermany},
        {"fre", flagFrance},
        {"fra", flagFrance},
        {"ita", flagItaly},
        {"net", flagNetherlands},
        {"dut", flagNetherlands},
        {"spa", flagSpain},
        {"esp", flagSpain},
    }};
    if (name.size() < 3)
        return flagUnknown;
    const std::string first = AsciiLower(name.substr(0, 3));
    for (const auto& [prefix, flag] : kPrefixes) {
        if (first == prefix)
            return flag;
    }
    return flagUnknown;
}

} // namespace i18n
