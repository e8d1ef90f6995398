#include "monitor/core/check_result.h"

#include <algorithm>

#include "monitor/core/format_fixed.h"
#include "monitor/core/rounding.h"

namespace velmorant {

namespace {

// Extended precision, as the result must not depend on the compiler's double rounding.
long double StepTime(std::int64_t frequency, int step) {
    return static_cast<long double>(frequency) * 0.001L * step;
}

}  // namespace

std::int64_t CheckStepTarget(std::int64_t start, std::int64_t frequency, int step) {
    return start + RoundHalfEven(StepTime(frequency, step));
}

std::int64_t CheckStepLateness(std::int64_t now, std::int64_t start, std::int64_t frequency,
                               int step) {
    return RoundHalfEven(static_cast<long double>(now) -
                         (StepTime(frequency, step) + static_cast<long double>(start)));
}

std::string CheckResultTextOf(std::span<const std::int64_t, kCheckSteps> latenesses,
                              std::int64_t frequency, char decimalSeparator) {
    long double sum = 0;
    for (std::int64_t l : latenesses) sum += static_cast<long double>(l);
    const std::int64_t max = *std::max_element(latenesses.begin(), latenesses.end());
    const long double f = static_cast<long double>(frequency);
    const long double average = sum / kCheckSteps / f * 1000;
    const long double largest = static_cast<long double>(max) / f * 1000;
    return "Average discrepancy of readout - " + FormatFixed(average, 5, 4, decimalSeparator) +
           "ms." + " Max - " + FormatFixed(largest, 5, 4, decimalSeparator) +
           "ms. At discrepancy 2 ms. failures also are more possible";
}

}  // namespace velmorant
