#pragma once

#include <cstdint>
#include <string>

namespace gauges {

// Decimal text of n: "-" for negative numbers, no separators, no leading blanks or zeros.
std::string FormatInteger(std::int32_t n);

// The value 100 for width or decimals means "not given".
inline constexpr std::uint16_t kNotGiven = 100;

// Number text of x for the gauge labels and digit displays:
// - decimals given: fixed notation with that many digits after the point ("."), "-" before
//   negative numbers, leading blanks up to `width` characters (widths above 255 count as 255);
// - only width given: scientific notation " d.ddddE+dddd" (blank or "-" first) with width - 8
//   significant digits (2 to 18), padded to `width`;
// - neither: the scientific notation of width 23 (15 significant digits).
// Digits are the exact binary value rounded to nearest, ties to even. A value that rounds to
// zero has no "-". Infinite and undefined values give "INF", "-INF" and "NAN", padded alike.
std::string FormatReal(std::uint16_t width, std::uint16_t decimals, double x);

}  // namespace gauges
