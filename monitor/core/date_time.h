#pragma once

namespace velmorant {

// The date-time value of a local date and time (the clock of the frame store): days since
// 30 December 1899 with the time of day as the fraction; before that day the fraction still
// counts forward from midnight (-1.25 is 29 December 1899, 6:00).
double EncodeDateTime(int year, int month, int day, int hour, int minute, int second,
                      int millisecond);

}  // namespace velmorant
