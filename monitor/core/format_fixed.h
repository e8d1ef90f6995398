#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmorant {

// The number text of every displayed value: x to p significant digits (clamped to 2..18) and
// d decimals, half up on the first dropped digit; the scientific form ("1.23E3") when the
// integer part has more digits than p. No thousands separator. The digit work is done on the
// exact decimal expansion of x, so the text never depends on the C library's printf.
std::string FormatFixed(long double x, int p, int d, char decimalSeparator);

// The same, appended to `out` (for callers that reuse one string per row).
void AppendFixed(std::string& out, long double x, int p, int d, char decimalSeparator);

// Reads back a text of the form FormatFixed writes ("-12.5", "0.00", "1.2E-3"): the nearest
// long double of the decimal number. Nothing for any other text.
std::optional<long double> ReadFixed(std::string_view text, char decimalSeparator);

}  // namespace velmorant
