#pragma once

#include <climits>
#include <cmath>

namespace rewrix {

// Fractional pixel counts and colour components go to the nearest integer, an exact half to the
// even neighbour (12.5 gives 12, 13.5 gives 14), as the stored layouts were computed that way.
// Values beyond the int range saturate instead of overflowing.
inline int RoundHalfEven(double v) {
    if (std::isnan(v))
        return 0;
    const double r = std::nearbyint(v);
    if (r >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (r <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(r);
}

} // namespace rewrix
