#include "monitor/core/date_time.h"

#include <gtest/gtest.h>

using namespace velmorant;

TEST(DateTime, EncodesDaysSince30December1899) {
    EXPECT_EQ(EncodeDateTime(1899, 12, 30, 0, 0, 0, 0), 0.0);
    EXPECT_EQ(EncodeDateTime(1900, 1, 1, 12, 0, 0, 0), 2.5);
    EXPECT_EQ(EncodeDateTime(2000, 3, 1, 0, 0, 0, 0), 36586.0);
    EXPECT_EQ(EncodeDateTime(1899, 12, 29, 6, 0, 0, 0), -1.25);
}
