#pragma once

namespace ui {

// The local date and time as days since 30 December 1899, the fraction being the time of day.
class Clock {
public:
    virtual ~Clock() = default;
    virtual double Now() = 0;
};

// The clock in force (the system's local time unless a test put its own in place).
double Now();
void SetClock(Clock* clock);

}  // namespace ui
