#include "monitor/core/file_time_locale.h"

#include <cmath>
#include <optional>
#include <string>
#include <string_view>

namespace velmorant {

namespace {

bool HasControlCharacter(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == '\x7F') return true;
    return false;
}

// Every hour of both halves of the day, at its first and last minute and second and between.
constexpr int kMinuteSeconds[][2] = {{0, 0}, {0, 59}, {59, 0}, {59, 59}, {30, 30}};

const TimeLocale kDayHours{"H:mm:ss", ":", "", ""};

}  // namespace

bool TimesReadBack(const TimeLocale& writer) {
    if (HasControlCharacter(writer.LongTimeFormat)) return false;
    const TimeLocale readers[] = {
        writer,
        kDayHours,
        {"h:mm:ss tt", ":", "AM", "PM"},
        {"H:mm:ss", ":", writer.TimeAMString, writer.TimePMString},
    };
    for (int hour = 0; hour < 24; ++hour)
        for (const auto& [minute, second] : kMinuteSeconds) {
            const int seconds = hour * 3600 + minute * 60 + second;
            const std::string text = FormatTimeOfDay(45000 + seconds / 86400.0, writer);
            if (HasControlCharacter(text)) return false;
            for (const TimeLocale& reader : readers) {
                const std::optional<double> back = ParseTimeOfDay(text, reader);
                if (!back || std::llround(*back * 86400.0) != seconds) return false;
            }
        }
    return true;
}

TimeLocale FileTimeLocale(const TimeLocale& locale) {
    if (TimesReadBack(locale)) return locale;
    const std::string& separator = locale.TimeSeparator;
    // Quoted in the picture; an empty one or a quote would not make a literal.
    if (!separator.empty() && separator.find('\'') == std::string::npos) {
        const std::string quoted = "'" + separator + "'";
        const TimeLocale dayHours{"H" + quoted + "mm" + quoted + "ss", separator, "", ""};
        if (TimesReadBack(dayHours)) return dayHours;
    }
    return kDayHours;
}

}  // namespace velmorant
