#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

// Results of 64-bit placement arithmetic go back into the int coordinates of the window system.
inline int ClampToInt(std::int64_t value)
{
    return int(
        std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}
