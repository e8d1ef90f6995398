#include "gauges/core/digit_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "gauges/core/digit_cells.h"

using gauges::DigitCells;
using gauges::DigitValue;
using gauges::TDigitStyle;

namespace {

TEST(DigitValueTest, KindDecidesTheStyleOrRefusesTheValue) {
    using S = TDigitStyle;
    struct Case {
        DigitValue value;
        S before;
        std::optional<S> after;
    };
    const Case cases[] = {
        {std::int32_t{0}, S::dsDouble, S::dsInteger},
        {std::int16_t{-3}, S::dsDate, S::dsInteger},
        {std::uint8_t{200}, S::dsTime, S::dsInteger},
        {87.0, S::dsInteger, S::dsDouble},
        {1.5f, S::dsInteger, S::dsDouble},
        {gauges::DateTimeValue{45000}, S::dsInteger, S::dsDate},
        {gauges::DateTimeValue{45000}, S::dsDouble, S::dsDate},
        {gauges::DateTimeValue{45000}, S::dsTime, S::dsTime},
        {gauges::DateTimeValue{45000}, S::dsDate, S::dsDate},
        {std::monostate{}, S::dsInteger, std::nullopt},
        {std::string("12"), S::dsInteger, std::nullopt},
        {true, S::dsDouble, std::nullopt},
        {gauges::CurrencyValue{10000}, S::dsInteger, std::nullopt},
        {std::int8_t{1}, S::dsInteger, std::nullopt},
        {std::uint16_t{1}, S::dsInteger, std::nullopt},
        {std::uint32_t{1}, S::dsInteger, std::nullopt},
        {std::int64_t{1}, S::dsInteger, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value.index());
        EXPECT_EQ(gauges::StyleForValue(c.value, c.before), c.after);
    }
}

TEST(DigitValueTest, TextInEachStyle) {
    using S = TDigitStyle;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        DigitValue value;
        S style;
        int digits, decimals;
        char separator;
        std::string text;
    };
    const Case cases[] = {
        {std::int32_t{1234}, S::dsInteger, 4, 2, ':', "1234"},
        {std::int32_t{-42}, S::dsInteger, 4, 2, ':', "-42"},
        {std::uint8_t{255}, S::dsInteger, 4, 2, ':', "255"},
        {2.5, S::dsInteger, 4, 2, ':', "2"},  // halves to even
        {3.5, S::dsInteger, 4, 2, ':', "4"},
        {-2.5, S::dsInteger, 4, 2, ':', "-2"},
        {1e19, S::dsInteger, 4, 2, ':', ""},
        {nan, S::dsInteger, 4, 2, ':', ""},
        {87.0, S::dsDouble, 3, 0, ':', " 87"},
        {std::int32_t{5}, S::dsDouble, 5, 2, ':', " 5.00"},
        {gauges::DateTimeValue{45000.75}, S::dsDate, 5, 2, ':', "15.03.2023"},
        {gauges::DateTimeValue{45000.75}, S::dsTime, 5, 2, '.', "18.00.00"},
        {gauges::DateTimeValue{-1.25}, S::dsDate, 5, 2, ':', "29.12.1899"},
        {gauges::DateTimeValue{-1.25}, S::dsTime, 5, 2, ':', "06:00:00"},
        {gauges::DateTimeValue{0.9999999999}, S::dsTime, 5, 2, ':', "00:00:00"},  // next day
        {gauges::DateTimeValue{1e10}, S::dsDate, 5, 2, ':', ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(gauges::DigitText(c.value, c.style, c.digits, c.decimals, c.separator), c.text);
    }
}

std::string Targets(const DigitCells& cells, int count) {
    std::string s;
    for (int i = count; i >= 1; --i) s += cells[i].target;
    return s;
}

TEST(DigitCellsTest, RightAlignedWithBlanksForUnknownCharacters) {
    DigitCells cells;
    EXPECT_FALSE(cells.Retarget("1234", false, 20, 4));
    EXPECT_EQ(Targets(cells, 6), "  1234");
    EXPECT_EQ(cells[1].shown, '4');
    cells.Retarget("-1.5E+0003", false, 20, 10);
    EXPECT_EQ(Targets(cells, 10), "-1.5 +0003");
    EXPECT_EQ(gauges::GlyphIndex('0'), 0);
    EXPECT_EQ(gauges::GlyphIndex(' '), 10);
    EXPECT_EQ(gauges::GlyphIndex('/'), 16);
    EXPECT_EQ(gauges::GlyphIndex('E'), 10);
}

// A changed cell rises from the bottom in steps of 2 and settles after 10 paints; the glyph
// leaving above it is the one the cell showed; unchanged cells stay still.
TEST(DigitCellsTest, ScrollingCellsRiseTwoPixelsAPaint) {
    DigitCells cells;
    cells.Retarget("17", false, 20, 3);
    EXPECT_TRUE(cells.Retarget("18", true, 20, 3));
    EXPECT_EQ(cells[1].shown, '7');
    EXPECT_EQ(cells[1].target, '8');
    for (int paint = 1; paint <= 10; ++paint) {
        EXPECT_EQ(cells.Advance(1).offset, 20 - 2 * paint);
        EXPECT_EQ(cells[1].scrolling, paint < 10);
        EXPECT_FALSE(cells.Advance(2).scrolling);
        EXPECT_EQ(cells[2].offset, 0);
    }
    EXPECT_FALSE(cells.Retarget("18", true, 20, 3));

    // Again: the glyph that leaves is the 8 on screen, not the 7 shown before it.
    cells.Retarget("19", true, 20, 3);
    EXPECT_EQ(cells[1].shown, '8');
}

// A display of odd height starts its cells an odd number of pixels low: the last step
// overshoots, and the settled glyph must still stand in place, not a pixel too high.
TEST(DigitCellsTest, OddHeightSettlesInPlace) {
    DigitCells cells;
    cells.Retarget("1", true, 21, 1);
    int paints = 0;
    while (cells[1].scrolling && paints < 20) {
        cells.Advance(1);
        ++paints;
    }
    EXPECT_EQ(paints, 11);
    EXPECT_EQ(cells[1].offset, 0);
}

// Cells that are not drawn do not keep the display repainting.
TEST(DigitCellsTest, HiddenCellsAskForNoPaints) {
    DigitCells cells;
    EXPECT_TRUE(cells.Retarget("12345", true, 20, 3));
    for (int paint = 0; paint < 10; ++paint)
        for (int i = 1; i <= 3; ++i) cells.Advance(i);
    EXPECT_FALSE(cells.Retarget("12345", true, 20, 3));
    EXPECT_TRUE(cells[4].scrolling);
    EXPECT_TRUE(cells.Retarget("12345", true, 20, 5));  // shown once the display widens
}

}  // namespace
