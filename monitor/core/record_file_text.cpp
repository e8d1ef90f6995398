#include "monitor/core/record_file_text.h"

namespace velmorant {

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::optional<std::int32_t> ParseInteger(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ') ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';

    bool hex = false;
    if (pos < text.size() && text[pos] == '$') {
        hex = true;
        ++pos;
    } else if (pos + 1 < text.size() && text[pos] == '0' && (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
        hex = true;
        pos += 2;
    }
    if (pos == text.size()) return std::nullopt;

    std::uint64_t magnitude = 0;
    if (hex) {
        for (; pos < text.size(); ++pos) {
            int d = HexDigit(text[pos]);
            if (d < 0) return std::nullopt;
            magnitude = magnitude * 16 + static_cast<std::uint64_t>(d);
            if (magnitude > 0xFFFF'FFFFu) return std::nullopt;
        }
        std::uint32_t bits = static_cast<std::uint32_t>(magnitude);
        if (negative) bits = 0u - bits;
        return static_cast<std::int32_t>(bits);
    }
    for (; pos < text.size(); ++pos) {
        char c = text[pos];
        if (c < '0' || c > '9') return std::nullopt;
        magnitude = magnitude * 10 + static_cast<std::uint64_t>(c - '0');
        if (magnitude > 0x8000'0000u) return std::nullopt;
    }
    if (negative) return static_cast<std::int32_t>(-static_cast<std::int64_t>(magnitude));
    if (magnitude > 0x7FFF'FFFFu) return std::nullopt;
    return static_cast<std::int32_t>(magnitude);
}

std::vector<std::string> LinesOf(std::string_view text) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            lines.back() += c;
            continue;
        }
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        lines.emplace_back();
    }
    return lines;
}

std::string OnOneLine(std::string_view text) {
    const std::vector<std::string> lines = LinesOf(text);
    std::string out = lines.front();
    for (std::size_t i = 1; i < lines.size(); ++i) (out += ' ') += lines[i];
    return out;
}

std::string NotAnIntegerText(std::string_view text) {
    return "'" + std::string(text) + "' is not a valid integer value";
}

std::string NotATimeText(std::string_view text) {
    return "'" + std::string(text) + "' is not a valid time";
}

}  // namespace velmorant
