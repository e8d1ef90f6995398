#pragma once

#include <climits>
#include <cmath>

namespace gauges {

// Nearest integer, exact halves to the even neighbour. Values beyond the int range (and
// undefined ones, as 0) are held to it, so a drawing with absurd properties never overflows.
inline int RoundHalfEven(long double x) {
    if (std::isnan(x)) return 0;
    if (x >= static_cast<long double>(INT_MAX)) return INT_MAX;
    if (x <= static_cast<long double>(INT_MIN)) return INT_MIN;
    long double f = std::floor(x);
    long double d = x - f;
    int i = static_cast<int>(f);
    if (d > 0.5L) return i + 1;
    if (d < 0.5L) return i;
    return i % 2 == 0 ? i : i + 1;
}

}  // namespace gauges
