#include "i18n/CommaText.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto items = i18n::ParseCommaText(std::string_view(reinterpret_cast<const char*>(data), size));
    // Composing and parsing again keeps every item that holds no NUL.
    bool hasNul = false;
    for (const auto& item : items)
        hasNul = hasNul || item.find('\0') != std::string::npos;
    if (!hasNul && i18n::ParseCommaText(i18n::ComposeCommaText(items)) != items)
        std::abort();
    return 0;
}
