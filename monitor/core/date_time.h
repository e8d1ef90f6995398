#pragma once

#include <string>
#include <string_view>

namespace velmorant {

// Date-time values are days since 30 December 1899 with the time of day as the fraction;
// before that day the fraction still counts forward from midnight (-1.25 is 29 December
// 1899, 6:00).
double EncodeDateTime(int year, int month, int day, int hour, int minute, int second,
                      int millisecond);

struct TimeOfDay {
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int Millisecond = 0;
};

// The time of day of a date-time value, to the nearest millisecond.
TimeOfDay TimeOfDayOf(double dateTime);

// The time of day of `dateTime` written by a Windows time picture (see DisplayLocale).
void AppendTimeOfDay(std::string& out, double dateTime, std::string_view picture,
                     std::string_view am, std::string_view pm);
std::string FormatTimeOfDay(double dateTime, std::string_view picture, std::string_view am,
                            std::string_view pm);

}  // namespace velmorant
