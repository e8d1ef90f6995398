#pragma once

#include <cmath>
#include <cstdint>

namespace velmorant {

// Nearest integer, exact halves to the even neighbour (the rule of every real-to-integer
// conversion of the program unless a caller names another).
inline std::int64_t RoundHalfEven(long double x) {
    long double f = std::floor(x);
    long double d = x - f;
    if (d > 0.5L) return static_cast<std::int64_t>(f) + 1;
    if (d < 0.5L) return static_cast<std::int64_t>(f);
    std::int64_t i = static_cast<std::int64_t>(f);
    return (i % 2 == 0) ? i : i + 1;
}

}  // namespace velmorant
