#include "gauges/core/number_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <string>

using gauges::FormatInteger;
using gauges::FormatReal;

namespace {

TEST(FormatIntegerTest, DecimalWithSignOnlyForNegatives) {
    EXPECT_EQ(FormatInteger(-5), "-5");
    EXPECT_EQ(FormatInteger(0), "0");
    EXPECT_EQ(FormatInteger(1234), "1234");
    EXPECT_EQ(FormatInteger(INT_MIN), "-2147483648");
}

TEST(FormatRealTest, Cases) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        std::uint16_t width, decimals;
        double x;
        std::string text;
    };
    const Case cases[] = {
        // Fixed notation, padded to the width.
        {1, 0, 40, "40"},
        {5, 2, 3.14159, " 3.14"},
        {8, 3, -2.5, "  -2.500"},
        {1, 2, -0.5, "-0.50"},
        {1, 0, 120, "120"},
        {100, 2, 3.14159, "3.14"},               // width not given: no padding
        {1, 1, -0.04, "0.0"},                    // rounds to zero: no sign
        {1, 20, 0.1, "0.10000000000000000555"},  // the exact binary value
        // Scientific notation with the width given: width - 8 significant digits.
        {12, 100, -1234.56, "-1.235E+0003"},
        {10, 100, 0.000123, " 1.2E-0004"},
        {5, 100, 1, " 1.0E+0000"},  // at least 2 digits, longer than the width
        {100, 100, 1.5, " 1.50000000000000E+0000"},
        {100, 100, 0, " 0.00000000000000E+0000"},
        {100, 100, -1e300, "-1.00000000000000E+0300"},
        // Values without digits.
        {6, 2, inf, "   INF"},
        {1, 2, -inf, "-INF"},
        {1, 0, nan, "NAN"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FormatReal(c.width, c.decimals, c.x), c.text);
    }
    EXPECT_EQ(FormatReal(100, 100, 1.5).size(), 23u);
    EXPECT_EQ(FormatReal(100, 100, nan), std::string(20, ' ') + "NAN");
}

// Widths above 255 count as 255; scientific text stops growing at 18 significant digits and
// is padded from there on.
TEST(FormatRealTest, WideTexts) {
    EXPECT_EQ(FormatReal(300, 0, 1), std::string(254, ' ') + "1");
    EXPECT_EQ(FormatReal(255, 0, 1), FormatReal(300, 0, 1));
    EXPECT_EQ(FormatReal(40, 100, 1), std::string(14, ' ') + " 1.00000000000000000E+0000");
    EXPECT_EQ(FormatReal(1000, 100, 2).size(), 255u);
}

}  // namespace
