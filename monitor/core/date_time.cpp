#include "monitor/core/date_time.h"

namespace velmorant {

namespace {

constexpr long double kMillisecondsPerDay = 86'400'000.0L;

// Days from 1 January 1970 of a proleptic Gregorian date.
long long DaysFromCivil(long long y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

}  // namespace

double EncodeDateTime(int year, int month, int day, int hour, int minute, int second,
                      int millisecond) {
    const long long days = DaysFromCivil(year, month, day) - DaysFromCivil(1899, 12, 30);
    const long double time =
        (((hour * 60LL + minute) * 60LL + second) * 1000LL + millisecond) / kMillisecondsPerDay;
    return static_cast<double>(days >= 0 ? days + time : days - time);
}

}  // namespace velmorant
