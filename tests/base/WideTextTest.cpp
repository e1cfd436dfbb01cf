#include "base/WideText.h"

#include <gtest/gtest.h>

#include <ostream>

namespace
{

struct WideCase {
    const char* name;
    std::string utf8;
    std::u32string codePoints;

    friend void PrintTo(const WideCase& c, std::ostream* out) { *out << c.name; }
};

std::wstring wideOf(const std::u32string& codePoints)
{
    std::wstring wide;
    for (char32_t c : codePoints) {
        if (sizeof(wchar_t) == 2 && c >= 0x10000) {
            wide += static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
            wide += static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            wide += static_cast<wchar_t>(c);
        }
    }
    return wide;
}

const WideCase kRoundTrips[] = {
    {"Empty", "", U""},
    {"Ascii", "C:\\Users\\a", U"C:\\Users\\a"},
    {"Latin", "J\xC3\xB6rg", U"J\u00F6rg"},
    {"ThreeBytes", "\xE2\x82\xAC", U"\u20AC"},
    {"BeyondTheBasicPlane", "\xF0\x9F\x98\x80x", U"\U0001F600x"},
    {"EmbeddedNul", std::string("a\0b", 3), std::u32string(U"a\0b", 3)},
};

class WideTextRoundTrip : public ::testing::TestWithParam<WideCase>
{
};

TEST_P(WideTextRoundTrip, ConvertsBothWays)
{
    const WideCase& c = GetParam();
    EXPECT_EQ(widetext::fromUtf8(c.utf8), wideOf(c.codePoints));
    EXPECT_EQ(widetext::toUtf8(wideOf(c.codePoints)), c.utf8);
}

INSTANTIATE_TEST_SUITE_P(Table, WideTextRoundTrip, ::testing::ValuesIn(kRoundTrips),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(WideText, MalformedInputBecomesReplacementCharacters)
{
    EXPECT_EQ(widetext::fromUtf8("a\xFF"
                                 "b"),
              L"a\uFFFDb");
    EXPECT_EQ(widetext::fromUtf8("\xE2\x82"), L"\uFFFD");
    // A lone surrogate is no character in either form.
    EXPECT_EQ(widetext::toUtf8(std::wstring(1, static_cast<wchar_t>(0xD800))), "\xEF\xBF\xBD");
    EXPECT_EQ(widetext::toUtf8(std::wstring{static_cast<wchar_t>(0xDC00), L'x'}), "\xEF\xBF\xBDx");
}

} // namespace
