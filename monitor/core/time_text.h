#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmorant {

// The user's time settings, handed in by the platform layer so tests can pin them.
// LongTimeFormat is a Windows time picture: h hh (12-hour), H HH (24-hour), m mm, s ss,
// t tt (first letter or whole AM/PM designator), text in single quotes taken literally,
// every other character copied as it stands. A designator the code page cannot hold comes
// in empty.
struct TimeLocale {
    std::string LongTimeFormat = "H:mm:ss";
    std::string TimeSeparator = ":";
    std::string TimeAMString = "AM";
    std::string TimePMString = "PM";
};

// The time of day of a date-time value (days since 30 December 1899) in the long time format.
// A 12-hour picture whose designators do not tell the halves of the day apart (equal, or
// empty) is written with 24-hour hours and without them.
std::string FormatTimeOfDay(double dateTime, const TimeLocale& locale);

// Reads a time of day written in the long time format of any locale: hours, minutes and
// optional seconds separated by ':', '.' or the locale's separator. Before and after them may
// stand one AM/PM marker (the locale's designators or their first letter as a word of their
// own, or the English ones, any letter case), the literal words of the locale's picture and
// words without Latin letters or digits, such as the "ч." of a Bulgarian time. Hours 13 to 23
// go with a PM marker only where the locale's picture is a 24-hour one that shows it. Gives
// the time as a fraction of a day, or nothing when the text is not a time.
std::optional<double> ParseTimeOfDay(std::string_view text, const TimeLocale& locale);

}  // namespace velmorant
