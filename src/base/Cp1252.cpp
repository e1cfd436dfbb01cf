#include "base/Cp1252.h"

#include "base/Utf8.h"

#include <array>
#include <cstdint>

namespace
{

// 0x80..0x9F differ from Latin-1; 0 marks the undefined positions.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t decodeByte(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F) {
        const char32_t cp = kHighControls[byte - 0x80];
        return cp ? cp : 0xFFFD;
    }
    return byte;
}

char encodeCodePoint(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<char>(cp);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == cp && cp != 0)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

} // namespace

namespace cp1252
{

std::string toUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes)
        utf8::append(out, decodeByte(static_cast<unsigned char>(c)));
    return out;
}

std::string fromUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size())
        out += encodeCodePoint(utf8::next(text, pos));
    return out;
}

} // namespace cp1252
