#include "ui/StylePalettes.h"

#include <algorithm>

namespace
{

constexpr StyleColor c(std::uint32_t rgb)
{
    return StyleColor::fromRgb(rgb);
}

// clang-format off
const StylePalette kPalettes[] = {
    // style, name,
    //   panel top, bottom, border, text,
    //   menu bar top, bottom, text,
    //   menu background, border, text, disabled text, highlight, highlight text,
    //   status bar top, bottom, text
    {0, "Office2003Blue",
        c(0xe3efff), c(0xa5c4f2), c(0x6591cd), c(0x0f2f6b),
        c(0xe3efff), c(0x9ebef5), c(0x000000),
        c(0xf6f9ff), c(0x002d96), c(0x000000), c(0x6d6d6d), c(0xffeec2), c(0x000000),
        c(0xdcebfe), c(0x9ebef5), c(0x0f2f6b)},
    {1, "Office2003Silver",
        c(0xf7f7fa), c(0xc4c3d8), c(0x7c7c94), c(0x2c2c45),
        c(0xf7f7f9), c(0xbebdd2), c(0x000000),
        c(0xfbfbfd), c(0x7c7c94), c(0x000000), c(0x6f6f7a), c(0xffe7a2), c(0x000000),
        c(0xeeeef4), c(0xb6b5cc), c(0x2c2c45)},
    {2, "Office2003Olive",
        c(0xf4f7e4), c(0xb6c690), c(0x77894a), c(0x33421a),
        c(0xf2f5df), c(0xafc080), c(0x1d2608),
        c(0xfbfcf3), c(0x758d5e), c(0x1d2608), c(0x6b705f), c(0xf9d88b), c(0x1d2608),
        c(0xe6edcc), c(0xaabd7c), c(0x33421a)},
    {3, "Office2003Classic",
        c(0xf5f4f1), c(0xd4d0c8), c(0x808080), c(0x000000),
        c(0xf2f1ed), c(0xd4d0c8), c(0x000000),
        c(0xffffff), c(0x808080), c(0x000000), c(0x6d6d6d), c(0x0a246a), c(0xffffff),
        c(0xe6e4de), c(0xd4d0c8), c(0x000000)},
    {4, "Office2007Luna",
        c(0xeef5ff), c(0xbfd8f7), c(0x8db2e3), c(0x15428b),
        c(0xdfecfb), c(0xb5cff0), c(0x15428b),
        c(0xfafafa), c(0x9199a4), c(0x000000), c(0x6d6d6d), c(0xffd56b), c(0x000000),
        c(0xcadef7), c(0xa4c3eb), c(0x15428b)},
    {5, "Office2007Obsidian",
        c(0xededed), c(0xbcbdbf), c(0x6a6b6d), c(0x1b1b1b),
        c(0x5a5b5e), c(0x2f3032), c(0xffffff),
        c(0xfafafa), c(0x6a6b6d), c(0x000000), c(0x6d6d6d), c(0xffd26e), c(0x000000),
        c(0x4f5053), c(0x2a2b2d), c(0xffffff)},
    {6, "WindowsXP",
        c(0xfefefc), c(0xe3dfca), c(0xaca899), c(0x000000),
        c(0xf6f5ef), c(0xe3dfca), c(0x000000),
        c(0xffffff), c(0xaca899), c(0x000000), c(0x6d6d6d), c(0x316ac5), c(0xffffff),
        c(0xf2f0e5), c(0xd8d2bd), c(0x000000)},
    {7, "Whidbey",
        c(0xfcfcfb), c(0xdad7c8), c(0x9f9b8a), c(0x1e1e1e),
        c(0xfbfaf8), c(0xd9d6c6), c(0x000000),
        c(0xfcfcf9), c(0x8a867a), c(0x000000), c(0x6d6d6d), c(0xc1d2ee), c(0x000000),
        c(0xe9e7de), c(0xcdc9b6), c(0x1e1e1e)},
    {9, "Office2007Silver",
        c(0xf5f6f8), c(0xc8ccd3), c(0x8f96a0), c(0x2d2d2d),
        c(0xeef0f3), c(0xc2c7cf), c(0x2d2d2d),
        c(0xfafafa), c(0x9a9fa8), c(0x000000), c(0x6d6d6d), c(0xffdc7a), c(0x000000),
        c(0xdfe2e7), c(0xb0b7c2), c(0x2d2d2d)},
};
// clang-format on

} // namespace

namespace StylePalettes
{

bool hasOwnLook(int style)
{
    return std::find(kOffered.begin(), kOffered.end(), style) != kOffered.end();
}

const StylePalette& forStyle(int style)
{
    for (const auto& palette : kPalettes)
        if (palette.style == style)
            return palette;
    return forStyle(kDesignedStyle);
}

} // namespace StylePalettes
