#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace velmorant {

// The performance check polls the port at 1000 steps of 1 ms on the performance counter.
inline constexpr int kCheckSteps = 1000;

// The counter reading that step i (1-based) waits to pass.
std::int64_t CheckStepTarget(std::int64_t start, std::int64_t frequency, int step);
// How late the reading `now` came for step i, in counter ticks.
std::int64_t CheckStepLateness(std::int64_t now, std::int64_t start, std::int64_t frequency,
                               int step);

// The text of the check's result box: the average and the largest lateness in milliseconds.
std::string CheckResultTextOf(std::span<const std::int64_t, kCheckSteps> latenesses,
                              std::int64_t frequency, char decimalSeparator);

}  // namespace velmorant
