#include "i18n/TextCase.h"

#include "base/Utf8.h"

namespace
{

char lowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

char32_t lowerCodePoint(char32_t cp)
{
    if (cp >= 'A' && cp <= 'Z')
        return cp + 0x20;
    if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7)
        return cp + 0x20;
    if (cp >= 0x391 && cp <= 0x3AB && cp != 0x3A2)
        return cp + 0x20;
    if (cp >= 0x410 && cp <= 0x42F)
        return cp + 0x20;
    if (cp >= 0x400 && cp <= 0x40F)
        return cp + 0x50;
    return cp;
}

} // namespace

namespace i18n
{

std::string AsciiLower(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = lowerAscii(c);
    return out;
}

bool SameAsciiText(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i]))
            return false;
    }
    return true;
}

bool StartsWithAsciiText(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && SameAsciiText(text.substr(0, prefix.size()), prefix);
}

std::string FoldName(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[pos]);
        // Only two-byte sequences hold letters with a case here; everything else is copied as it stands.
        if (lead >= 0xC2 && lead <= 0xDF && pos + 1 < utf8.size() &&
            (static_cast<unsigned char>(utf8[pos + 1]) & 0xC0) == 0x80) {
            const char32_t cp = ((lead & 0x1F) << 6) | (static_cast<unsigned char>(utf8[pos + 1]) & 0x3F);
            utf8::append(out, lowerCodePoint(cp));
            pos += 2;
        } else {
            out += lowerAscii(utf8[pos]);
            ++pos;
        }
    }
    return out;
}

bool SameName(std::string_view a, std::string_view b)
{
    return FoldName(a) == FoldName(b);
}

bool NameLess(std::string_view a, std::string_view b)
{
    const std::string fa = FoldName(a);
    const std::string fb = FoldName(b);
    return fa != fb ? fa < fb : a < b;
}

} // namespace i18n
