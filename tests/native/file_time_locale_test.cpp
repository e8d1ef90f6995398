#include "monitor/core/file_time_locale.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <optional>
#include <string>

using namespace velmorant;

namespace {

struct Case {
    const char* name;
    TimeLocale locale;
    std::array<std::string, 4> written;  // at kShown
};

constexpr int kShown[] = {59 * 60 + 59, 9 * 3600 + 5 * 60 + 7, 12 * 3600 + 30 * 60 + 30, 15 * 3600};

const std::array<std::string, 4> kDayHoursTimes = {"0:59:59", "9:05:07", "12:30:30", "15:00:00"};
const std::array<std::string, 4> kTwoDigitHours = {"00:59:59", "09:05:07", "12:30:30", "15:00:00"};

// The user's settings as the Windows side hands them in; each row is also a PC that reads what
// the others wrote.
const Case kCases[] = {
    {"ru-RU", {"H:mm:ss", ":", "", ""}, kDayHoursTimes},
    {"de-DE", {"HH:mm:ss", ":", "", ""}, kTwoDigitHours},
    {"fi-FI", {"H.mm.ss", ".", "", ""}, {"0.59.59", "9.05.07", "12.30.30", "15.00.00"}},
    {"en-US",
     {"h:mm:ss tt", ":", "AM", "PM"},
     {"12:59:59 AM", "9:05:07 AM", "12:30:30 PM", "3:00:00 PM"}},
    {"ko-KR",
     {"tt h:mm:ss", ":", "AM", "PM"},
     {"AM 12:59:59", "AM 9:05:07", "PM 12:30:30", "PM 3:00:00"}},
    {"es-MX",
     {"hh:mm:ss tt", ":", "a. m.", "p. m."},
     {"12:59:59 a. m.", "09:05:07 a. m.", "12:30:30 p. m.", "03:00:00 p. m."}},
    {"bg-BG",
     {"H:mm:ss 'ч.'", ":", "", ""},
     {"0:59:59 ч.", "9:05:07 ч.", "12:30:30 ч.", "15:00:00 ч."}},
    // A 24-hour clock that still shows its designators: its own reader took "15:00:00 ПП"
    // for a 12-hour time.
    {"24 hours with ДП/ПП", {"H:mm:ss tt", ":", "ДП", "ПП"}, kDayHoursTimes},
    {"24 hours with ДП/ПП, '.'",
     {"H.mm.ss tt", ".", "ДП", "ПП"},
     {"0.59.59", "9.05.07", "12.30.30", "15.00.00"}},
    {"24 hours, one designator for both", {"H:mm:ss tt", ":", "ч", "ч"}, kDayHoursTimes},
    // The literal "ч." began with the PM designator: morning times came back 12 hours late.
    {"literal with a designator's first letter",
     {"H:mm:ss 'ч.'", ":", "дп", "чп"},
     {"0:59:59 ч.", "9:05:07 ч.", "12:30:30 ч.", "15:00:00 ч."}},
    {"literal equal to a designator", {"H:mm:ss 'дп'", ":", "дп", "пп"}, kDayHoursTimes},
    // A line break, or any control character, in a time breaks the file's lines.
    {"CR", {"H:mm:ss\r", ":", "", ""}, kDayHoursTimes},
    {"CR LF", {"H:mm:ss\r\n", ":", "", ""}, kDayHoursTimes},
    {"LF", {"H:mm\nss", ":", "", ""}, kDayHoursTimes},
    {"tab", {"H:mm:ss\t'ч.'", ":", "", ""}, kDayHoursTimes},
    // The English reader takes "P" for p.m.
    {"designator a prefix of another", {"h:mm:ss tt", ":", "P", "PM"}, kDayHoursTimes},
    // A 12-hour clock that cannot show the half of the day writes 24 hours.
    {"12 hours, one designator for both", {"h:mm:ss tt", ":", "ч", "ч"}, kDayHoursTimes},
    {"12 hours without designator", {"h:mm:ss", ":", "AM", "PM"}, kDayHoursTimes},
    {"12 hours without designator, two digits", {"hh:mm:ss", ":", "AM", "PM"}, kTwoDigitHours},
    {"sq-AL, designators only it knows", {"h:mm:ss tt", ":", "PD", "MD"}, kDayHoursTimes},
    {"separator only it knows", {"H-mm-ss", "-", "", ""}, kDayHoursTimes},
    {"no seconds", {"H:mm", ":", "", ""}, kDayHoursTimes},
};

}  // namespace

// What files get, and that each time they get reads back to the second with the writer's own
// settings and with every other row's.
TEST(FileTimeLocale, WrittenTimesReadBackUnderEveryLocale) {
    constexpr int kMinuteSeconds[][2] = {{0, 0}, {0, 59}, {59, 0}, {59, 59}, {30, 30}, {1, 2}};
    for (const Case& writer : kCases) {
        SCOPED_TRACE(writer.name);
        const TimeLocale file = FileTimeLocale(writer.locale);
        for (std::size_t i = 0; i < std::size(kShown); ++i)
            EXPECT_EQ(FormatTimeOfDay(45000 + kShown[i] / 86400.0, file), writer.written[i]);

        for (int hour = 0; hour < 24; ++hour)
            for (const auto& [minute, second] : kMinuteSeconds) {
                const int seconds = hour * 3600 + minute * 60 + second;
                const std::string text = FormatTimeOfDay(45000 + seconds / 86400.0, file);
                for (const Case& reader : kCases) {
                    const std::optional<double> back = ParseTimeOfDay(text, reader.locale);
                    EXPECT_EQ(back ? std::optional(std::llround(*back * 86400)) : std::nullopt,
                              seconds)
                        << "'" << text << "' under " << reader.name;
                }
            }
    }
}
