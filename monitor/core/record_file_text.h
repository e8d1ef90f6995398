#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmorant {

// The integer conversion of the program's files: leading blanks, an optional sign, then
// decimal digits, or hexadecimal digits after "$" or "0x". Decimal must fit 32 bits; up to
// eight hexadecimal digits are taken as the 32-bit pattern they spell. Anything else,
// trailing text included, is no integer.
std::optional<std::int32_t> ParseInteger(std::string_view text);

// The texts a failed conversion shows.
std::string NotAnIntegerText(std::string_view text);
std::string NotATimeText(std::string_view text);

}  // namespace velmorant
