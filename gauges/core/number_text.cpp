#include "gauges/core/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>
#include <system_error>

namespace gauges {

namespace {

constexpr int kMaxWidth = 255;
constexpr int kScientificWidth = 23;

std::string PadLeft(std::string text, int width) {
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

bool AllZero(std::string_view digits) {
    return std::all_of(digits.begin(), digits.end(), [](char c) { return c < '1' || c > '9'; });
}

std::string Fixed(double x, int decimals) {
    // Up to 309 integer digits, the point and the decimals.
    std::string digits(320 + static_cast<std::size_t>(decimals), '\0');
    auto [end, ec] = std::to_chars(digits.data(), digits.data() + digits.size(), std::fabs(x),
                                   std::chars_format::fixed, decimals);
    if (ec != std::errc()) return "NAN";
    digits.resize(static_cast<std::size_t>(end - digits.data()));
    if (std::signbit(x) && !AllZero(digits)) digits.insert(0, 1, '-');
    return digits;
}

std::string Scientific(double x, int significant) {
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(x),
                                   std::chars_format::scientific, significant - 1);
    if (ec != std::errc()) return "NAN";
    std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    const std::size_t e = text.find('e');
    std::string_view mantissa = text.substr(0, e);
    int exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
    const bool zero = AllZero(mantissa);
    if (zero) exponent = 0;
    std::string out;
    out += std::signbit(x) && !zero ? '-' : ' ';
    out += mantissa;
    out += 'E';
    out += exponent < 0 ? '-' : '+';
    std::string power = std::to_string(std::abs(exponent));
    out += std::string(4 - std::min<std::size_t>(4, power.size()), '0') + power;
    return out;
}

}  // namespace

std::string FormatInteger(std::int32_t n) {
    return std::to_string(n);
}

std::string FormatReal(std::uint16_t width, std::uint16_t decimals, double x) {
    const bool widthGiven = width != kNotGiven;
    const bool decimalsGiven = decimals != kNotGiven;
    int w = std::min<int>(width, kMaxWidth);
    if (!widthGiven && !decimalsGiven) w = kScientificWidth;
    if (!widthGiven && decimalsGiven) w = 0;
    if (std::isnan(x)) return PadLeft("NAN", w);
    if (std::isinf(x)) return PadLeft(x < 0 ? "-INF" : "INF", w);
    if (decimalsGiven) return PadLeft(Fixed(x, decimals), w);
    return PadLeft(Scientific(x, std::clamp(w - 8, 2, 18)), w);
}

}  // namespace gauges
