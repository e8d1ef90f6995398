#include "monitor/core/date_time.h"

#include <gtest/gtest.h>

using namespace velmorant;

TEST(DateTime, EncodesDaysSince30December1899) {
    EXPECT_EQ(EncodeDateTime(1899, 12, 30, 0, 0, 0, 0), 0.0);
    EXPECT_EQ(EncodeDateTime(1900, 1, 1, 12, 0, 0, 0), 2.5);
    EXPECT_EQ(EncodeDateTime(2000, 3, 1, 0, 0, 0, 0), 36586.0);
    EXPECT_EQ(EncodeDateTime(1899, 12, 29, 6, 0, 0, 0), -1.25);
}

TEST(DateTime, TimeOfDayRoundsToTheMillisecondAndWraps) {
    struct Case {
        double value;
        int h, m, s, ms;
    };
    const Case cases[] = {
        {EncodeDateTime(2026, 12, 10, 23, 59, 59, 999), 23, 59, 59, 999},
        {EncodeDateTime(2026, 12, 10, 7, 5, 3, 0), 7, 5, 3, 0},
        {-1.25, 6, 0, 0, 0},
        {36586.0 + 0.9999999999, 0, 0, 0, 0},  // within half a millisecond of midnight
    };
    for (const Case& c : cases) {
        const TimeOfDay t = TimeOfDayOf(c.value);
        EXPECT_EQ(t.Hour, c.h) << c.value;
        EXPECT_EQ(t.Minute, c.m) << c.value;
        EXPECT_EQ(t.Second, c.s) << c.value;
        EXPECT_EQ(t.Millisecond, c.ms) << c.value;
    }
}

TEST(DateTime, WindowsTimePictures) {
    const double morning = EncodeDateTime(2026, 12, 10, 7, 5, 3, 0);
    const double evening = EncodeDateTime(2026, 12, 10, 19, 45, 30, 0);
    const double midnight = EncodeDateTime(2026, 12, 10, 0, 0, 9, 0);
    struct Case {
        double value;
        const char* picture;
        const char* text;
    };
    const Case cases[] = {
        {morning, "HH:mm:ss", "07:05:03"},
        {morning, "H:mm:ss", "7:05:03"},
        {evening, "h:mm:ss tt", "7:45:30 PM"},
        {evening, "hh.mm.ss t", "07.45.30 P"},
        {midnight, "h:mm:ss tt", "12:00:09 AM"},
        {morning, "H'h' m'm' s's'", "7h 5m 3s"},
        {morning, "H 'unterminated", "7 unterminated"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatTimeOfDay(c.value, c.picture, "AM", "PM"), c.text) << c.picture;
}
