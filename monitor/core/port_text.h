#pragma once

#include <string>
#include <string_view>

namespace velmorant {

// The number text of the port box: what follows the first "COM", empty when there is no
// "COM" or nothing after it. The caller converts it (and reports a text that is no number).
std::string PortNumberText(std::string_view boxText);

// The characters after the last backslash of a path; the whole text when it has none.
std::string FileNameOfPath(std::string_view path);

}  // namespace velmorant
