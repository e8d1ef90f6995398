#include "monitor/core/date_time.h"

#include <cmath>
#include <cstdint>

#include "monitor/core/rounding.h"

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

void AppendTwoDigits(std::string& out, int v, bool pad) {
    if (pad || v >= 10) out.push_back(static_cast<char>('0' + v / 10));
    out.push_back(static_cast<char>('0' + v % 10));
}

}  // namespace

double EncodeDateTime(int year, int month, int day, int hour, int minute, int second,
                      int millisecond) {
    const long long days = DaysFromCivil(year, month, day) - DaysFromCivil(1899, 12, 30);
    const long double time =
        (((hour * 60LL + minute) * 60LL + second) * 1000LL + millisecond) / kMillisecondsPerDay;
    return static_cast<double>(days >= 0 ? days + time : days - time);
}

TimeOfDay TimeOfDayOf(double dateTime) {
    if (!std::isfinite(dateTime)) return {};
    const long double x = dateTime;
    // Rounding the fraction alone keeps the arithmetic exact for any day number.
    std::int64_t ms = RoundHalfEven(std::fabs(x - std::trunc(x)) * kMillisecondsPerDay);
    if (ms >= 86'400'000) ms -= 86'400'000;
    TimeOfDay t;
    t.Millisecond = static_cast<int>(ms % 1000);
    t.Second = static_cast<int>(ms / 1000 % 60);
    t.Minute = static_cast<int>(ms / 60'000 % 60);
    t.Hour = static_cast<int>(ms / 3'600'000);
    return t;
}

void AppendTimeOfDay(std::string& out, double dateTime, std::string_view picture,
                     std::string_view am, std::string_view pm) {
    const TimeOfDay t = TimeOfDayOf(dateTime);
    std::size_t i = 0;
    while (i < picture.size()) {
        const char c = picture[i];
        if (c == '\'') {
            const std::size_t end = picture.find('\'', i + 1);
            const std::size_t stop = end == std::string_view::npos ? picture.size() : end;
            out.append(picture.substr(i + 1, stop - i - 1));
            i = stop == picture.size() ? stop : stop + 1;
            continue;
        }
        std::size_t run = 1;
        while (i + run < picture.size() && picture[i + run] == c) ++run;
        const bool pad = run >= 2;
        switch (c) {
            case 'h':
                AppendTwoDigits(out, t.Hour % 12 == 0 ? 12 : t.Hour % 12, pad);
                break;
            case 'H':
                AppendTwoDigits(out, t.Hour, pad);
                break;
            case 'm':
                AppendTwoDigits(out, t.Minute, pad);
                break;
            case 's':
                AppendTwoDigits(out, t.Second, pad);
                break;
            case 't': {
                const std::string_view designator = t.Hour < 12 ? am : pm;
                out.append(pad ? designator : designator.substr(0, 1));
                break;
            }
            default:
                out.append(run, c);
                break;
        }
        i += run;
    }
}

std::string FormatTimeOfDay(double dateTime, std::string_view picture, std::string_view am,
                            std::string_view pm) {
    std::string s;
    AppendTimeOfDay(s, dateTime, picture, am, pm);
    return s;
}

}  // namespace velmorant
