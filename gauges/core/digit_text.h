#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace gauges {

// How a digit display turns its value into text.
enum class TDigitStyle { dsInteger, dsDouble, dsDate, dsTime };

// A date and time: days since 30 December 1899, the time of day as the fraction.
struct DateTimeValue {
    double days = 0;
    bool operator==(const DateTimeValue&) const = default;
};
// A fixed-point currency amount (value × 10000); a kind the digit display ignores.
struct CurrencyValue {
    std::int64_t scaled = 0;
    bool operator==(const CurrencyValue&) const = default;
};

// The value of a digit display: a tagged value. Small integer, integer, byte, single, double
// and date/time are shown; the other kinds (empty, text, Boolean, currency, 8-bit signed,
// 16/32-bit unsigned, 64-bit) are refused by the display.
using DigitValue =
    std::variant<std::monostate, std::int16_t, std::int32_t, std::uint8_t, float, double,
                 DateTimeValue, std::string, bool, CurrencyValue, std::int8_t, std::uint16_t,
                 std::uint32_t, std::int64_t, std::uint64_t>;

// The style a display has after it takes `value` while in `current`: integers give dsInteger,
// reals dsDouble, a date/time dsDate unless the display shows dates or times already.
// Nothing when the display refuses the kind.
std::optional<TDigitStyle> StyleForValue(const DigitValue& value, TDigitStyle current);

// The text of a value in a style: dsInteger the value rounded (halves to even) in decimal,
// dsDouble FormatReal(digitCount, decimals, value), dsDate "dd.mm.yyyy", dsTime "hh:nn:ss"
// with the locale's time separator in place of ":". A value that has no such text (an
// integer beyond 64 bits, a date outside the years 1 to 9999, an undefined real) gives "".
std::string DigitText(const DigitValue& value, TDigitStyle style, int digitCount, int decimals,
                      char timeSeparator);

}  // namespace gauges
