#pragma once

#include <cstdint>

namespace velmorant {

// The unit of every duration on the diagnostic line.
inline constexpr long double kBitTimeMs = 8.2L;

// Performance-counter ticks to whole bit times: ticks / (frequency / 1000) / 8.2, rounded to
// nearest with halves to even. A frequency of 0 (no counter) gives 0.
std::int64_t TicksToBitTimes(std::int64_t ticks, std::int64_t frequency);

}  // namespace velmorant
