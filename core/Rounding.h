#pragma once
// Rounding to whole numbers as every size, share and pixel rule of the
// program rounds: to the nearest integer, halves to the even one.

#include <algorithm>
#include <climits>
#include <cmath>

namespace orvane {

// Nearest integer, halves to even (std::nearbyint in the default rounding
// mode). Values beyond the int range are pinned to it and NaN gives 0, so a
// damaged size never becomes undefined behaviour.
inline int RoundEven(double value)
{
    if (std::isnan(value))
        return 0;
    return static_cast<int>(
        std::clamp(std::nearbyint(value), static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}

}  // namespace orvane
