#include "monitor/core/bit_time.h"

#include "monitor/core/rounding.h"

namespace velmorant {

std::int64_t TicksToBitTimes(std::int64_t ticks, std::int64_t frequency) {
    if (frequency <= 0) return 0;
    long double perMs = static_cast<long double>(frequency) / 1000.0L;
    return RoundHalfEven(static_cast<long double>(ticks) / perMs / kBitTimeMs);
}

}  // namespace velmorant
