#include "base/WideText.h"

#include "base/Utf8.h"

namespace
{

constexpr char32_t kReplacement = 0xFFFD;
constexpr bool kUtf16 = sizeof(wchar_t) == 2;

bool isSurrogate(char32_t c)
{
    return c >= 0xD800 && c <= 0xDFFF;
}

void appendWide(std::wstring& out, char32_t c)
{
    if (isSurrogate(c) || c > 0x10FFFF)
        c = kReplacement;
    if (kUtf16 && c >= 0x10000) {
        c -= 0x10000;
        out += static_cast<wchar_t>(0xD800 + (c >> 10));
        out += static_cast<wchar_t>(0xDC00 + (c & 0x3FF));
        return;
    }
    out += static_cast<wchar_t>(c);
}

} // namespace

namespace widetext
{

std::wstring fromUtf8(std::string_view utf8)
{
    std::wstring wide;
    wide.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();)
        appendWide(wide, utf8::next(utf8, pos));
    return wide;
}

std::string toUtf8(std::wstring_view wide)
{
    std::string out;
    out.reserve(wide.size());
    for (std::size_t i = 0; i < wide.size(); ++i) {
        auto c = static_cast<char32_t>(wide[i]);
        if (kUtf16 && c >= 0xD800 && c <= 0xDBFF && i + 1 < wide.size()) {
            const auto low = static_cast<char32_t>(wide[i + 1]);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        if (isSurrogate(c) || c > 0x10FFFF)
            c = kReplacement;
        utf8::append(out, c);
    }
    return out;
}

} // namespace widetext
