#include "monitor/core/port_text.h"

namespace velmorant {

std::string PortNumberText(std::string_view boxText) {
    const std::size_t p = boxText.find("COM");
    if (p == std::string_view::npos || p + 3 >= boxText.size()) return {};
    return std::string(boxText.substr(p + 3));
}

std::string FileNameOfPath(std::string_view path) {
    const std::size_t slash = path.rfind('\\');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

}  // namespace velmorant
