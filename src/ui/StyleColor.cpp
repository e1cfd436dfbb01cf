#include "ui/StyleColor.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace
{

double linearChannel(std::uint8_t value)
{
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

std::string StyleColor::hex() const
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", red, green, blue);
    return text;
}

double RelativeLuminance(StyleColor color)
{
    return 0.2126 * linearChannel(color.red) + 0.7152 * linearChannel(color.green) +
           0.0722 * linearChannel(color.blue);
}

double ContrastRatio(StyleColor a, StyleColor b)
{
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
