#include "monitor/core/time_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "monitor/core/file_time_locale.h"
#include "monitor/core/record_file_text.h"

using namespace velmorant;

namespace {

double At(int h, int m, int s) {
    return (h * 3600 + m * 60 + s) / 86400.0;
}

}  // namespace

TEST(TimeText, FormatsInTheLongTimeFormat) {
    const TimeLocale russian{"H:mm:ss", ":", "", ""};
    const TimeLocale english{"h:mm:ss tt", ":", "AM", "PM"};
    const TimeLocale finnish{"H.mm.ss", ".", "", ""};
    struct Case {
        TimeLocale locale;
        double t;
        std::string text;
    };
    const Case cases[] = {
        {russian, 45000 + At(9, 5, 7), "9:05:07"},
        {russian, At(23, 59, 59), "23:59:59"},
        {english, At(0, 5, 6), "12:05:06 AM"},
        {english, At(12, 0, 0), "12:00:00 PM"},
        {english, At(13, 30, 0), "1:30:00 PM"},
        {finnish, At(7, 8, 9), "7.08.09"},
        {{"HH:mm:ss t", ":", "AM", "PM"}, At(7, 8, 9), "07:08:09 A"},
        {{"HH'h'mm", ":", "", ""}, At(7, 8, 9), "07h08"},
        // 23:59:59.9996 rounds to a whole day: midnight, not 24:00:00.
        {russian, 86399.9996 / 86400.0, "0:00:00"},
        // A 12-hour picture that cannot show the half of the day (designators lost in the
        // code page, equal, or no designator field) writes 24 hours, never "2:00:00 ".
        {{"h:mm:ss tt", ":", "", ""}, At(14, 0, 0), "14:00:00"},
        {{"tth:mm:ss", ":", "", ""}, At(14, 0, 0), "14:00:00"},
        {{"tt h:mm:ss", ":", "", ""}, At(9, 5, 7), "9:05:07"},
        {{"hh:mm:ss tt", ":", "?.?.", "?.?."}, At(14, 0, 0), "14:00:00"},
        {{"h:mm:ss t", ":", "AM", "AN"}, At(14, 0, 0), "14:00:00"},
        {{"h:mm:ss", ":", "AM", "PM"}, At(14, 0, 0), "14:00:00"},
        {{"tt h:mm:ss", ":", "AM", "PM"}, At(14, 0, 0), "PM 2:00:00"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatTimeOfDay(c.t, c.locale), c.text);
}

TEST(TimeText, ReadsTheTimeOfAnyLocale) {
    const TimeLocale reader{"H:mm:ss", ":", "", ""};
    struct Case {
        std::string text;
        std::optional<double> t;
    };
    const Case cases[] = {
        {"9:05:07", At(9, 5, 7)},
        {"09:05", At(9, 5, 0)},
        {"7.08.09", At(7, 8, 9)},
        {"12:05:06 AM", At(0, 5, 6)},
        {"12:00:00 pm", At(12, 0, 0)},
        {"1:30:00 PM", At(13, 30, 0)},
        {"PM 1:30:00", At(13, 30, 0)},
        {"07:08:09 A", At(7, 8, 9)},
        {" 23:59:59 ", At(23, 59, 59)},
        {"", std::nullopt},
        {"9", std::nullopt},
        {"24:00:00", std::nullopt},
        {"13:00 PM", std::nullopt},
        {"10:60", std::nullopt},
        {"10:00:60", std::nullopt},
        {"10:00:00:00", std::nullopt},
        {"10:00 XM", std::nullopt},
        {"AM 10:00 PM", std::nullopt},
        {"99999:00", std::nullopt},
        // Literal text without Latin letters, whatever locale wrote it.
        {"13:05:07 ч.", At(13, 5, 7)},
        {"13:05:07ч.", At(13, 5, 7)},
        {"ч. 13:05", At(13, 5, 0)},
        {"2:00:00 ?.?.", At(2, 0, 0)},  // markers an earlier version lost to the code page
        {"??02:00:00", At(2, 0, 0)},
        {"2:00:00 p.m.", At(14, 0, 0)},
        {"2:00:00 p. m.", At(14, 0, 0)},
        {"a.m. 12:30:00", At(0, 30, 0)},
        {"10:00 Uhr", std::nullopt},   // a Latin word only its own locale knows
        {"2:00:00 MD", std::nullopt},  // a marker only its own locale knows
        {"2:00:00 pmx", std::nullopt},
        {"13:05:07 ч. PM", std::nullopt},
        {"10:00:", std::nullopt},
        {"10:00 ч.5", std::nullopt},
        {"-1:00:00", std::nullopt},
        {"+1:00:00", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseTimeOfDay(c.text, reader), c.t) << c.text;

    // The locale's own separator and designators count as well.
    const TimeLocale other{"H-mm-ss", "-", "ДП", "ПП"};
    EXPECT_EQ(ParseTimeOfDay("1-02-03 ПП", other), At(13, 2, 3));
    EXPECT_EQ(ParseTimeOfDay("1-02-03 ПП", reader), std::nullopt);
    // And the Latin words of its own picture.
    const TimeLocale german{"HH:mm:ss' Uhr'", ":", "", ""};
    EXPECT_EQ(ParseTimeOfDay("13:05:07 Uhr", german), At(13, 5, 7));
    const TimeLocale albanian{"h:mm:ss tt", ":", "PD", "MD"};
    EXPECT_EQ(ParseTimeOfDay("2:00:00 MD", albanian), At(14, 0, 0));

    // Times that earlier versions wrote under such settings, read with the same.
    const TimeLocale dayHoursMarked{"H:mm:ss tt", ":", "ДП", "ПП"};
    const TimeLocale letterInLiteral{"H:mm:ss 'ч.'", ":", "дп", "чп"};
    const struct {
        std::string text;
        const TimeLocale& locale;
        std::optional<double> t;
    } own[] = {
        {"15:00:00 ПП", dayHoursMarked, At(15, 0, 0)},
        {"12:30:00 ПП", dayHoursMarked, At(12, 30, 0)},
        {"0:30:00 ДП", dayHoursMarked, At(0, 30, 0)},
        {"3:00:00 ПП", dayHoursMarked, At(15, 0, 0)},  // a 12-hour PC's
        {"15:00:00 ДП", dayHoursMarked, std::nullopt},
        {"15:00:00 PM", albanian, std::nullopt},
        {"9:05:07 ч.", letterInLiteral, At(9, 5, 7)},
        {"15:00:00 ч.", letterInLiteral, At(15, 0, 0)},
        {"3:00:00 ч", letterInLiteral, At(15, 0, 0)},
        {"3:00:00 чп", letterInLiteral, At(15, 0, 0)},
        {"3:00:00 чпx", letterInLiteral, std::nullopt},
    };
    for (const auto& c : own) EXPECT_EQ(ParseTimeOfDay(c.text, c.locale), c.t) << c.text;
}

// Files keep the user's own format only where a PC under any other locale reads it back.
TEST(TimeText, FilesWriteAFormatEveryLocaleReads) {
    struct Case {
        const char* name;
        TimeLocale locale;
        std::string written;  // 13:05:07
    };
    const Case cases[] = {
        {"ru-RU", {"H:mm:ss", ":", "", ""}, "13:05:07"},
        {"en-US", {"h:mm:ss tt", ":", "AM", "PM"}, "1:05:07 PM"},
        {"bg-BG", {"H:mm:ss 'ч.'", ":", "", ""}, "13:05:07 ч."},
        {"el-GR", {"h:mm:ss tt", ":", "", ""}, "13:05:07"},
        {"el-GR, markers as '?'", {"h:mm:ss tt", ":", "?.?.", "?.?."}, "13:05:07"},
        {"zh-TW", {"tth:mm:ss", ":", "", ""}, "13:05:07"},
        {"ko-KR", {"tt h:mm:ss", ":", "AM", "PM"}, "PM 1:05:07"},
        {"es-MX", {"hh:mm:ss tt", ":", "a. m.", "p. m."}, "01:05:07 p. m."},
        {"fi-FI", {"H.mm.ss", ".", "", ""}, "13.05.07"},
        // Markers, words and separators that only the writer's locale knows.
        {"sq-AL", {"h:mm:ss tt", ":", "PD", "MD"}, "13:05:07"},
        {"German words", {"HH:mm:ss' Uhr'", ":", "", ""}, "13:05:07"},
        {"dashes", {"H-mm-ss", "-", "", ""}, "13:05:07"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatTimeOfDay(At(13, 5, 7), FileTimeLocale(c.locale)), c.written) << c.name;
}

// What one PC writes, another reads, whatever the two pictures.
TEST(TimeText, ReadsWhatAnyPictureWrote) {
    const TimeLocale writers[] = {
        {"H:mm:ss", ":", "", ""},        {"HH:mm:ss", ":", "AM", "PM"},
        {"h:mm:ss tt", ":", "AM", "PM"}, {"hh:mm:ss t", ":", "AM", "PM"},
        {"H.mm.ss", ".", "", ""},        {"tt h:mm:ss", ":", "AM", "PM"},
    };
    const TimeLocale reader{"H:mm:ss", ":", "", ""};
    for (const TimeLocale& w : writers)
        for (double t : {At(0, 0, 0), At(0, 5, 6), At(11, 59, 59), At(12, 0, 1), At(23, 59, 59)}) {
            std::string text = FormatTimeOfDay(45000 + t, w);
            EXPECT_EQ(ParseTimeOfDay(text, reader), t) << text;
        }
}

TEST(RecordFileText, IntegerConversion) {
    struct Case {
        std::string text;
        std::optional<std::int32_t> value;
    };
    const Case cases[] = {
        {"0", 0},
        {"255", 255},
        {"-1", -1},
        {"+12", 12},
        {"  42", 42},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"0xFF00", 65280},
        {"0X1f", 31},
        {"$FF", 255},
        {"-$10", -16},
        {"$FFFFFFFF", -1},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"-", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"12 ", std::nullopt},
        {"1.5", std::nullopt},
        {"abc", std::nullopt},
        {"2147483648", std::nullopt},
        {"99999999999999999999999", std::nullopt},
        {"$100000000", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseInteger(c.text), c.value) << c.text;
}
