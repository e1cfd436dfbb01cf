#pragma once

#include <cstdint>
#include <string>

// An opaque sRGB colour of the window styles.
struct StyleColor {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    static constexpr StyleColor fromRgb(std::uint32_t rgb)
    {
        return {std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb)};
    }
    // "#rrggbb", as style sheets take it.
    std::string hex() const;
    friend bool operator==(const StyleColor&, const StyleColor&) = default;
};

// Relative luminance of the colour, 0 (black) to 1 (white), as the accessibility guidelines define it.
double RelativeLuminance(StyleColor color);

// How far apart two colours are in luminance, from 1 (the same) to 21 (black on white); body text needs 4.5.
double ContrastRatio(StyleColor a, StyleColor b);
