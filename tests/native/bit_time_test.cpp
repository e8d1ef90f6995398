#include <gtest/gtest.h>

#include "monitor/core/bit_time.h"
#include "monitor/core/rounding.h"

using namespace velmorant;

TEST(Rounding, HalvesGoToEven) {
    struct Case { long double x; std::int64_t want; };
    const Case cases[] = {{0.5L, 0}, {1.5L, 2}, {2.5L, 2}, {-0.5L, 0}, {-1.5L, -2},
                          {2.4999L, 2}, {2.5001L, 3}, {-2.6L, -3}, {7.0L, 7}};
    for (const Case& c : cases) EXPECT_EQ(RoundHalfEven(c.x), c.want) << static_cast<double>(c.x);
}

TEST(BitTime, TicksToBitTimes) {
    // 1 MHz counter: one bit time is 8200 ticks.
    struct Case { std::int64_t ticks, freq, want; };
    const Case cases[] = {
        {8200, 1000000, 1},     {16 * 8200, 1000000, 16}, {4100, 1000000, 0},  // 0.5 -> 0
        {3 * 4100, 1000000, 2},                                              // 1.5 -> 2
        {5 * 4100, 1000000, 2},                                              // 2.5 -> 2
        {4101, 1000000, 1},     {0, 1000000, 0},          {-8200, 1000000, -1},
        {82, 10000, 1},         {123456789, 10000000, 1506}, {5000, 0, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(TicksToBitTimes(c.ticks, c.freq), c.want) << c.ticks << " @ " << c.freq;
}
