#include "monitor/core/ini_file.h"

#include <fstream>
#include <iterator>

#include "monitor/core/atomic_file.h"

namespace velmorant {

namespace {

constexpr std::string_view kBlanks = " \t\v\f";

std::string_view Trim(std::string_view s) {
    std::size_t first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

// Letter case of ASCII and of the Cyrillic letters of CP1251.
unsigned char Fold(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    if (c >= 0xC0 && c <= 0xDF) return static_cast<unsigned char>(c + 32);
    if (c == 0xA8) return 0xB8;  // Ё
    return c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Fold(static_cast<unsigned char>(a[i])) != Fold(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

std::optional<std::string_view> SectionNameOf(std::string_view line) {
    std::string_view t = Trim(line);
    if (t.empty() || t.front() != '[') return std::nullopt;
    std::size_t close = t.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return Trim(t.substr(1, close - 1));
}

std::optional<std::string_view> KeyOf(std::string_view line) {
    if (SectionNameOf(line)) return std::nullopt;
    std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    return Trim(line.substr(0, eq));
}

std::string_view ValueOf(std::string_view line) {
    std::string_view v = Trim(line.substr(line.find('=') + 1));
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return v;
}

}  // namespace

IniWriteError::IniWriteError(const std::filesystem::path& path)
    : std::runtime_error(UnableToWriteText(path)), path_(path) {}

IniFile IniFile::FromText(std::string_view bytes) {
    IniFile ini;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            ini.lines_.push_back({std::string(bytes.substr(pos)), ""});
            break;
        }
        std::size_t endLength = (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ? 2 : 1;
        ini.lines_.push_back({std::string(bytes.substr(pos, end - pos)), std::string(bytes.substr(end, endLength))});
        pos = end + endLength;
    }
    return ini;
}

IniFile IniFile::Load(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) return {};
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return {};
    return FromText(bytes);
}

std::optional<std::size_t> IniFile::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        auto name = SectionNameOf(lines_[i].Text);
        if (name && SameName(*name, section)) return i;
    }
    return std::nullopt;
}

std::size_t IniFile::SectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < lines_.size() && !SectionNameOf(lines_[i].Text)) ++i;
    return i;
}

std::optional<std::size_t> IniFile::FindKey(std::size_t header, std::string_view key) const {
    for (std::size_t i = header + 1, end = SectionEnd(header); i < end; ++i) {
        auto k = KeyOf(lines_[i].Text);
        if (k && SameName(*k, key)) return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniFile::ReadString(std::string_view section, std::string_view key) const {
    auto header = FindSection(section);
    if (!header) return std::nullopt;
    auto line = FindKey(*header, key);
    if (!line) return std::nullopt;
    return std::string(ValueOf(lines_[*line].Text));
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
    return ReadString(section, key).value_or(std::string(defaultValue));
}

bool IniFile::HasSection(std::string_view section) const { return FindSection(section).has_value(); }

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    std::string newLine = std::string(key) + "=" + std::string(value);
    auto header = FindSection(section);
    if (!header) {
        if (!lines_.empty() && lines_.back().End.empty()) lines_.back().End = "\r\n";
        lines_.push_back({"[" + std::string(section) + "]", "\r\n"});
        lines_.push_back({newLine, "\r\n"});
        return;
    }
    if (auto existing = FindKey(*header, key)) {
        std::string& text = lines_[*existing].Text;
        // An unchanged value keeps its line as it was written, blanks and quotes included.
        if (ValueOf(text) != value) text = text.substr(0, text.find('=') + 1) + std::string(value);
        return;
    }
    // After the section's last line that is not blank, so a blank line before the next
    // section stays where it was.
    std::size_t at = *header;
    for (std::size_t i = *header + 1, end = SectionEnd(*header); i < end; ++i)
        if (!Trim(lines_[i].Text).empty()) at = i;
    if (lines_[at].End.empty()) lines_[at].End = "\r\n";
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at + 1), Line{newLine, "\r\n"});
}

bool IniFile::EraseSection(std::string_view section) {
    // One pass: a line goes with the section header above it.
    bool erased = false;
    bool inErased = false;
    std::vector<Line> kept;
    kept.reserve(lines_.size());
    for (Line& line : lines_) {
        if (auto name = SectionNameOf(line.Text)) inErased = SameName(*name, section);
        if (inErased)
            erased = true;
        else
            kept.push_back(std::move(line));
    }
    lines_ = std::move(kept);
    return erased;
}

std::string IniFile::Text() const {
    std::string out;
    for (const Line& l : lines_) (out += l.Text) += l.End;
    return out;
}

void IniFile::Save(const std::filesystem::path& path) const {
    if (!WriteFileAtomically(path, Text()).Ok()) throw IniWriteError(path);
}

}  // namespace velmorant
