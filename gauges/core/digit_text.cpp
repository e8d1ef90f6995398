#include "gauges/core/digit_text.h"

#include <cmath>
#include <cstdio>
#include <type_traits>

#include "gauges/core/number_text.h"

namespace gauges {

namespace {

enum class Kind { Integer, Real, Date, Refused };

Kind KindOf(const DigitValue& value) {
    return std::visit(
        [](const auto& v) {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::int16_t> || std::is_same_v<T, std::int32_t> ||
                          std::is_same_v<T, std::uint8_t>)
                return Kind::Integer;
            else if constexpr (std::is_same_v<T, float> || std::is_same_v<T, double>)
                return Kind::Real;
            else if constexpr (std::is_same_v<T, DateTimeValue>)
                return Kind::Date;
            else
                return Kind::Refused;
        },
        value);
}

// The shown kinds as one real; refused kinds never get stored and count as 0.
double AsReal(const DigitValue& value) {
    return std::visit(
        [](const auto& v) -> double {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, DateTimeValue>)
                return v.days;
            else if constexpr (std::is_same_v<T, std::int16_t> || std::is_same_v<T, std::int32_t> ||
                               std::is_same_v<T, std::uint8_t> || std::is_same_v<T, float> ||
                               std::is_same_v<T, double>)
                return static_cast<double>(v);
            else
                return 0;
        },
        value);
}

std::string IntegerText(double x) {
    // Beyond about 9.2e18 there is no 64-bit integer to show (nor for undefined values).
    if (!(std::fabs(x) < 9.2e18)) return "";
    // nearbyint rounds in the default mode: to nearest, halves to even.
    return std::to_string(static_cast<long long>(std::nearbyint(x)));
}

struct Civil {
    long long year;
    int month, day, hour, minute, second;
};

// The calendar date and clock time of a date-time value. The day is the whole part (towards
// zero) and the time of day the fraction without its sign, to the nearest millisecond.
std::optional<Civil> Decode(double value) {
    if (!(std::fabs(value) < 3.0e6)) return std::nullopt;  // roughly the years 1 to 9999
    double whole = std::trunc(value);
    long long ms = std::llround(std::fabs(value - whole) * 86400000.0);
    long long days = static_cast<long long>(whole);
    if (ms >= 86400000) {
        ms -= 86400000;
        days += value < 0 ? -1 : 1;
    }
    // Days since 1 March 0000 of the proleptic Gregorian calendar.
    long long z = days + 693899;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    Civil c{};
    c.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    c.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    c.year = yoe + era * 400 + (c.month <= 2 ? 1 : 0);
    if (c.year < 1 || c.year > 9999) return std::nullopt;
    const long long seconds = ms / 1000;
    c.hour = static_cast<int>(seconds / 3600);
    c.minute = static_cast<int>(seconds / 60 % 60);
    c.second = static_cast<int>(seconds % 60);
    return c;
}

}  // namespace

std::optional<TDigitStyle> StyleForValue(const DigitValue& value, TDigitStyle current) {
    switch (KindOf(value)) {
        case Kind::Integer:
            return TDigitStyle::dsInteger;
        case Kind::Real:
            return TDigitStyle::dsDouble;
        case Kind::Date:
            if (current == TDigitStyle::dsDate || current == TDigitStyle::dsTime) return current;
            return TDigitStyle::dsDate;
        case Kind::Refused:
            break;
    }
    return std::nullopt;
}

std::string DigitText(const DigitValue& value, TDigitStyle style, int digitCount, int decimals,
                      char timeSeparator) {
    const double x = AsReal(value);
    char text[32];
    switch (style) {
        case TDigitStyle::dsInteger: {
            if (std::holds_alternative<std::int32_t>(value))
                return FormatInteger(std::get<std::int32_t>(value));
            return IntegerText(x);
        }
        case TDigitStyle::dsDouble:
            return FormatReal(static_cast<std::uint16_t>(digitCount),
                              static_cast<std::uint16_t>(decimals), x);
        case TDigitStyle::dsDate: {
            auto c = Decode(x);
            if (!c) return "";
            std::snprintf(text, sizeof text, "%02d.%02d.%04lld", c->day, c->month, c->year);
            return text;
        }
        case TDigitStyle::dsTime: {
            auto c = Decode(x);
            if (!c) return "";
            std::snprintf(text, sizeof text, "%02d%c%02d%c%02d", c->hour, timeSeparator, c->minute,
                          timeSeparator, c->second);
            return text;
        }
    }
    return "";
}

}  // namespace gauges
