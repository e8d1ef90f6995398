#include "monitor/core/time_text.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
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

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (prefix.empty() || prefix.size() > text.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (AsciiLower(text[i]) != AsciiLower(prefix[i])) return false;
    return true;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsLatinLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// One element of a time picture: a field (a run of h, H, m, s or t) or literal text.
struct PictureItem {
    char field = 0;  // 0 for literal text
    std::size_t run = 0;
    std::string text;
};

std::vector<PictureItem> ItemsOf(std::string_view f) {
    std::vector<PictureItem> items;
    const auto literal = [&items](std::string_view text) {
        if (items.empty() || items.back().field != 0) items.emplace_back();
        items.back().text += text;
    };
    for (std::size_t i = 0; i < f.size();) {
        const char c = f[i];
        if (c == '\'') {
            std::size_t end = f.find('\'', i + 1);
            if (end == i + 1) {
                literal("'");  // '' is a quote character
                i += 2;
                continue;
            }
            if (end == std::string_view::npos) end = f.size();
            literal(f.substr(i + 1, end - i - 1));
            i = end + 1;
            continue;
        }
        std::size_t run = 1;
        while (i + run < f.size() && f[i + run] == c) ++run;
        if (c == 'h' || c == 'H' || c == 'm' || c == 's' || c == 't')
            items.push_back({c, run, {}});
        else
            literal(f.substr(i, run));
        i += run;
    }
    return items;
}

// The designator as a t field of `run` letters shows it.
std::string_view Shown(std::string_view designator, std::size_t run) {
    return run >= 2 ? designator : designator.substr(0, 1);
}

// A 12-hour picture tells the two halves of the day apart only when it has a designator field
// and that field shows different texts for them: designators that are equal, empty or lost in
// the code page must not turn 14:00 into 2:00.
bool ShowsHalfOfDay(const std::vector<PictureItem>& items, const TimeLocale& locale) {
    bool any = false;
    for (const PictureItem& item : items) {
        if (item.field != 't') continue;
        if (Shown(locale.TimeAMString, item.run) == Shown(locale.TimePMString, item.run))
            return false;
        any = true;
    }
    return any;
}

bool ShowsMarkerWithDayHours(const std::vector<PictureItem>& items) {
    bool dayHours = false, marker = false;
    for (const PictureItem& item : items) {
        if (item.field == 'h') return false;
        dayHours = dayHours || item.field == 'H';
        marker = marker || item.field == 't';
    }
    return dayHours && marker;
}

void TrimTrailingBlanks(std::string& s) {
    while (!s.empty() && IsBlank(s.back())) s.pop_back();
}

enum class Marker { None, Am, Pm };

// An English marker in any of its usual spellings: "AM", "a.m.", "a. m.", "A", "pm"... Every
// reader knows these, whatever its own locale. Gives the length taken, 0 for none.
std::size_t EnglishMarker(std::string_view s, Marker& marker) {
    if (s.empty()) return 0;
    const char first = AsciiLower(s[0]);
    if (first != 'a' && first != 'p') return 0;
    std::size_t i = 1;
    if (i < s.size() && s[i] == '.') ++i;
    std::size_t j = i;
    while (j < s.size() && IsBlank(s[j])) ++j;
    if (j < s.size() && AsciiLower(s[j]) == 'm') {
        i = j + 1;
        if (i < s.size() && s[i] == '.') ++i;
    }
    if (i < s.size() && IsLatinLetter(s[i])) return 0;  // a word, not a marker
    marker = first == 'a' ? Marker::Am : Marker::Pm;
    return i;
}

// The longest marker at the start of `s`: the locale's designators (also their first letter)
// or an English one; 0 for none. One of the locale's ends where its word ends, as a t field
// writes it: the "ч" of a Bulgarian "ч." is no "чп".
std::size_t TakeMarker(std::string_view s, const TimeLocale& locale, Marker& marker) {
    std::size_t best = EnglishMarker(s, marker);
    const std::string_view am = locale.TimeAMString, pm = locale.TimePMString;
    const std::array<std::pair<std::string_view, Marker>, 4> own = {{
        {am, Marker::Am},
        {pm, Marker::Pm},
        {am.substr(0, 1), Marker::Am},
        {pm.substr(0, 1), Marker::Pm},
    }};
    for (const auto& [text, which] : own) {
        const std::size_t n = text.size();
        if (n > best && StartsWithIgnoringCase(s, text) &&
            (n == s.size() || IsBlank(s[n]) || IsDigit(s[n]))) {
            best = n;
            marker = which;
        }
    }
    return best;
}

// The literal words of the locale's picture that hold Latin letters, such as "h" in
// "H' h 'mm": other literal text is taken from any locale anyway.
std::vector<std::string> LatinWordsOf(const std::vector<PictureItem>& items) {
    std::vector<std::string> words;
    for (const PictureItem& item : items) {
        if (item.field != 0) continue;
        std::size_t i = 0;
        while (i < item.text.size()) {
            while (i < item.text.size() && IsBlank(item.text[i])) ++i;
            std::size_t start = i;
            while (i < item.text.size() && !IsBlank(item.text[i])) ++i;
            std::string word = item.text.substr(start, i - start);
            for (char c : word)
                if (IsLatinLetter(c)) {
                    words.push_back(word);
                    break;
                }
        }
    }
    return words;
}

// The text before or after the digits: blanks, at most one marker for the whole time, the
// locale's own literal words, and words of neither Latin letters nor digits (the "ч." of a
// Bulgarian time, whatever the reader's locale). A Latin word no locale of the reader's knows
// is refused, so an unknown marker never passes as morning.
bool TakeSurroundings(std::string_view s, const TimeLocale& locale,
                      std::optional<std::vector<std::string>>& words, Marker& marker) {
    std::size_t pos = 0;
    while (true) {
        while (pos < s.size() && IsBlank(s[pos])) ++pos;
        if (pos == s.size()) return true;
        const std::string_view rest = s.substr(pos);
        Marker found = Marker::None;
        if (std::size_t n = TakeMarker(rest, locale, found)) {
            if (marker != Marker::None) return false;
            marker = found;
            pos += n;
            continue;
        }
        // The picture is looked into only for a word that is no marker: most times have none.
        if (!words) words = LatinWordsOf(ItemsOf(locale.LongTimeFormat));
        bool known = false;
        for (const std::string& w : *words)
            if (rest.substr(0, w.size()) == w) {
                pos += w.size();
                known = true;
                break;
            }
        if (known) continue;
        const std::size_t start = pos;
        while (pos < s.size() && !IsBlank(s[pos]) && !IsLatinLetter(s[pos]) && !IsDigit(s[pos]))
            ++pos;
        if (pos == start) return false;
    }
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

    const std::vector<PictureItem> items = ItemsOf(locale.LongTimeFormat);
    bool twelveHour = false;
    for (const PictureItem& item : items) twelveHour = twelveHour || item.field == 'h';
    // A 12-hour picture that cannot show which half of the day it is writes 24 hours.
    const bool dayHours = twelveHour && !ShowsHalfOfDay(items, locale);
    const int hour12 = dayHours ? hour : (hour % 12 == 0 ? 12 : hour % 12);

    std::string out;
    bool skipBlanks = false;
    for (const PictureItem& item : items) {
        const bool two = item.run >= 2;
        if (item.field == 0) {
            std::string_view text = item.text;
            if (skipBlanks)
                while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
            out += text;
            skipBlanks = false;
            continue;
        }
        skipBlanks = false;
        const auto number = [&](int value) {
            out += two ? TwoDigits(value) : std::to_string(value);
        };
        switch (item.field) {
            case 'h':
                number(hour12);
                break;
            case 'H':
                number(hour);
                break;
            case 'm':
                number(minute);
                break;
            case 's':
                number(second);
                break;
            default:
                if (!dayHours) {
                    out += Shown(designator, item.run);
                } else {
                    // The marker goes, and with it the blank that set it apart.
                    TrimTrailingBlanks(out);
                    skipBlanks = out.empty();
                }
                break;
        }
    }
    return out;
}

std::optional<double> ParseTimeOfDay(std::string_view text, const TimeLocale& locale) {
    std::size_t pos = 0;
    while (pos < text.size() && !IsDigit(text[pos])) ++pos;
    const std::string_view before = text.substr(0, pos);
    if (!before.empty() && (before.back() == '-' || before.back() == '+')) return std::nullopt;

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
    std::optional<std::vector<std::string>> words;
    Marker marker = Marker::None;
    if (!TakeSurroundings(before, locale, words, marker) ||
        !TakeSurroundings(text.substr(pos), locale, words, marker))
        return std::nullopt;

    int h = *hour;
    if (marker != Marker::None && h <= 12) {
        if (h == 12) h = 0;
        if (marker == Marker::Pm) h += 12;
    } else if (marker != Marker::None) {
        // "15:00:00 PM" is what a 24-hour picture with a designator writes, as the reader's own
        // may; elsewhere it is no time.
        if (marker == Marker::Am || !ShowsMarkerWithDayHours(ItemsOf(locale.LongTimeFormat)))
            return std::nullopt;
    }
    if (h > 23 || *minute > 59 || second > 59) return std::nullopt;
    return (h * 3600.0 + *minute * 60.0 + second) / 86400.0;
}

}  // namespace velmorant
