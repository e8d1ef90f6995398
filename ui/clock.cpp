#include "ui/clock.h"

#include <windows.h>

namespace ui {

namespace {

// Days from 30 December 1899 to the given civil date (proleptic Gregorian).
long DaysSinceEpoch(int year, unsigned month, unsigned day) {
    // Howard Hinnant's days_from_civil, shifted from 1970-01-01 to 1899-12-30 (25569 days).
    year -= month <= 2;
    const long era = (year >= 0 ? year : year - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(year - era * 400);
    const unsigned doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long>(doe) - 719468 + 25569;
}

class SystemClock : public Clock {
public:
    double Now() override {
        SYSTEMTIME t;
        GetLocalTime(&t);
        double ms = ((t.wHour * 60.0 + t.wMinute) * 60.0 + t.wSecond) * 1000.0 + t.wMilliseconds;
        return static_cast<double>(DaysSinceEpoch(t.wYear, t.wMonth, t.wDay)) + ms / 86400000.0;
    }
};

Clock*& Installed() {
    static Clock* installed = nullptr;
    return installed;
}

}  // namespace

double Now() {
    static SystemClock system;
    Clock* c = Installed();
    return c ? c->Now() : system.Now();
}

void SetClock(Clock* clock) { Installed() = clock; }

}  // namespace ui
