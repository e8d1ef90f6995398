#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmorant {

// The user's time settings, handed in by the platform layer so tests can pin them.
// LongTimeFormat is a Windows time picture: h hh (12-hour), H HH (24-hour), m mm, s ss,
// t tt (first letter or whole AM/PM designator), text in single quotes taken literally,
// every other character copied as it stands.
struct TimeLocale {
    std::string LongTimeFormat = "H:mm:ss";
    std::string TimeSeparator = ":";
    std::string TimeAMString = "AM";
    std::string TimePMString = "PM";
};

// The time of day of a date-time value (days since 30 December 1899) in the long time format.
std::string FormatTimeOfDay(double dateTime, const TimeLocale& locale);

// Reads a time of day written in the long time format of any locale: hours, minutes and
// optional seconds separated by ':', '.' or the locale's separator, with an optional AM/PM
// marker before or after (the locale's designators or the English ones, any letter case).
// Gives the time as a fraction of a day, or nothing when the text is not a time.
std::optional<double> ParseTimeOfDay(std::string_view text, const TimeLocale& locale);

}  // namespace velmorant
