#include "monitor/core/time_text.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace velmorant {

namespace {

constexpr std::int64_t kMsPerDay = 86'400'000;

std::string TwoDigits(int v) {
    std::string s;
    s += static_cast<char>('0' + v / 10);
    s += static_cast<char>('0' + v % 10);
    return s;
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (prefix.empty() || prefix.size() > text.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (AsciiLower(text[i]) != AsciiLower(prefix[i])) return false;
    return true;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

enum class Marker { None, Am, Pm };

struct MarkerText {
    std::string_view text;
    Marker marker;
};

// Tries the designators longest first, so "A" never takes the first letter of "AM".
Marker TakeMarker(std::string_view text, std::size_t& pos, const TimeLocale& locale) {
    std::vector<MarkerText> candidates = {
        {locale.TimeAMString, Marker::Am}, {locale.TimePMString, Marker::Pm},
        {"AM", Marker::Am},                {"PM", Marker::Pm},
        {"A", Marker::Am},                 {"P", Marker::Pm},
    };
    if (!locale.TimeAMString.empty())
        candidates.push_back({std::string_view(locale.TimeAMString).substr(0, 1), Marker::Am});
    if (!locale.TimePMString.empty())
        candidates.push_back({std::string_view(locale.TimePMString).substr(0, 1), Marker::Pm});
    const MarkerText* best = nullptr;
    for (const MarkerText& c : candidates)
        if (StartsWithIgnoringCase(text.substr(pos), c.text) &&
            (best == nullptr || c.text.size() > best->text.size()))
            best = &c;
    if (best == nullptr) return Marker::None;
    pos += best->text.size();
    return best->marker;
}

void SkipBlanks(std::string_view text, std::size_t& pos) {
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
}

// Up to four digits; more would be no time of day anyway.
std::optional<int> TakeNumber(std::string_view text, std::size_t& pos) {
    std::size_t start = pos;
    int value = 0;
    while (pos < text.size() && IsDigit(text[pos]) && pos - start < 4)
        value = value * 10 + (text[pos++] - '0');
    if (pos == start || (pos < text.size() && IsDigit(text[pos]))) return std::nullopt;
    return value;
}

bool TakeSeparator(std::string_view text, std::size_t& pos, const TimeLocale& locale) {
    if (pos >= text.size()) return false;
    if (text[pos] == ':' || text[pos] == '.') {
        ++pos;
        return true;
    }
    const std::string& sep = locale.TimeSeparator;
    if (!sep.empty() && text.substr(pos, sep.size()) == sep) {
        pos += sep.size();
        return true;
    }
    return false;
}

}  // namespace

std::string FormatTimeOfDay(double dateTime, const TimeLocale& locale) {
    std::int64_t ms = 0;
    if (std::isfinite(dateTime)) {
        double fraction = std::fabs(dateTime - std::trunc(dateTime));
        // A fraction that rounds up to a whole day is midnight, never "24:00:00".
        ms = std::llround(fraction * static_cast<double>(kMsPerDay)) % kMsPerDay;
    }
    int hour = static_cast<int>(ms / 3'600'000);
    int minute = static_cast<int>(ms / 60'000 % 60);
    int second = static_cast<int>(ms / 1000 % 60);
    const std::string& designator = hour < 12 ? locale.TimeAMString : locale.TimePMString;
    int hour12 = hour % 12 == 0 ? 12 : hour % 12;

    const std::string& f = locale.LongTimeFormat;
    std::string out;
    for (std::size_t i = 0; i < f.size();) {
        char c = f[i];
        if (c == '\'') {
            std::size_t end = f.find('\'', i + 1);
            if (end == i + 1) {
                out += '\'';  // '' is a quote character
                i += 2;
                continue;
            }
            if (end == std::string::npos) end = f.size();
            out.append(f, i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        std::size_t run = 1;
        while (i + run < f.size() && f[i + run] == c) ++run;
        bool two = run >= 2;
        switch (c) {
            case 'h': out += two ? TwoDigits(hour12) : std::to_string(hour12); break;
            case 'H': out += two ? TwoDigits(hour) : std::to_string(hour); break;
            case 'm': out += two ? TwoDigits(minute) : std::to_string(minute); break;
            case 's': out += two ? TwoDigits(second) : std::to_string(second); break;
            case 't': out += two ? designator : designator.substr(0, 1); break;
            default: out.append(run, c); break;
        }
        i += run;
    }
    return out;
}

std::optional<double> ParseTimeOfDay(std::string_view text, const TimeLocale& locale) {
    std::size_t pos = 0;
    SkipBlanks(text, pos);
    Marker marker = TakeMarker(text, pos, locale);
    SkipBlanks(text, pos);

    std::optional<int> hour = TakeNumber(text, pos);
    if (!hour || !TakeSeparator(text, pos, locale)) return std::nullopt;
    std::optional<int> minute = TakeNumber(text, pos);
    if (!minute) return std::nullopt;
    int second = 0;
    if (TakeSeparator(text, pos, locale)) {
        std::optional<int> s = TakeNumber(text, pos);
        if (!s) return std::nullopt;
        second = *s;
    }
    SkipBlanks(text, pos);
    if (marker == Marker::None) {
        marker = TakeMarker(text, pos, locale);
        SkipBlanks(text, pos);
    }
    if (pos != text.size()) return std::nullopt;

    int h = *hour;
    if (marker != Marker::None) {
        if (h > 12) return std::nullopt;
        if (h == 12) h = 0;
        if (marker == Marker::Pm) h += 12;
    }
    if (h > 23 || *minute > 59 || second > 59) return std::nullopt;
    return (h * 3600.0 + *minute * 60.0 + second) / 86400.0;
}

}  // namespace velmorant
