#pragma once

#include <cmath>

// Whole numbers from the doubles of DeviceSettings, independent of the floating-point rounding mode.
namespace rounding
{

// 2.5 -> 2, 3.5 -> 4, -2.5 -> -2.
inline double HalfToEven(double value)
{
    const double nearest = std::round(value);
    if (std::fabs(value - std::trunc(value)) == 0.5)
        return 2.0 * std::round(value / 2.0);
    return nearest;
}

// 2.5 -> 3, -2.5 -> -3.
inline double HalfAwayFromZero(double value)
{
    return std::round(value);
}

} // namespace rounding
