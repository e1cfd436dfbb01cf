#pragma once

#include "ui/StylePalette.h"

#include <array>

// The window styles by number: 0 to 7 and 9 have a look of their own; 8 (Custom) is a valid number without
// one, and so is every number above 9.
namespace StylePalettes
{

inline constexpr int kDesignedStyle = 5; // the look the window is designed in
inline constexpr int kCustomStyle = 8;

// The styles the Layout menu offers, in menu order.
inline constexpr std::array<int, 9> kOffered = {0, 1, 2, 3, 4, 5, 6, 7, 9};

// True for the numbers in kOffered.
bool hasOwnLook(int style);

// The palette of a style; styles without a look of their own (8, above 9) get the designed look.
const StylePalette& forStyle(int style);

} // namespace StylePalettes
