#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmorant {

// The integer conversion of the program's files: leading blanks, an optional sign, then
// decimal digits, or hexadecimal digits after "$" or "0x". Decimal must fit 32 bits; up to
// eight hexadecimal digits are taken as the 32-bit pattern they spell. Anything else,
// trailing text included, is no integer.
std::optional<std::int32_t> ParseInteger(std::string_view text);

// A text cut at its line breaks: CR LF, a lone CR and a lone LF alike. The text after the last
// break is a line too, so a text without a break is one line (an empty text one empty line).
std::vector<std::string> LinesOf(std::string_view text);
// The text with each line break (CR LF, a lone CR or LF) replaced by one blank: a value stored
// on one line of a file must not carry a break into it.
std::string OnOneLine(std::string_view text);

// The texts a failed conversion shows.
std::string NotAnIntegerText(std::string_view text);
std::string NotATimeText(std::string_view text);

}  // namespace velmorant
