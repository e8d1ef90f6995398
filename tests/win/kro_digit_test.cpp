#include "gauges/kro_digit.h"

#include <gtest/gtest.h>

#include <string>

#include "gauges/core/digit_cells.h"
#include "tests/win/gauge_support.h"
#include "ui/resources.h"
#include "ui/timer.h"

using gauge_test::Host;
using gauge_test::Painted;
using gauges::TDigitStyle;
using gauges::TKroDigit;

namespace {

// Whether the glyph of `ch` is drawn with its top row at (x, top) of the picture, compared on
// the rows that fall inside the picture.
bool Drawn(const ui::Bitmap& picture, const TKroDigit& digit, char ch, int x, int top) {
    const int w = digit.GlyphWidth();
    const int left = gauges::GlyphIndex(ch) * w;
    for (int r = 0; r < 20; ++r) {
        if (top + r < 0 || top + r >= picture.Height()) continue;
        for (int c = 0; c < w; ++c)
            if (picture.Pixel(x + c, top + r) != digit.DigitBitmap().Pixel(left + c, r))
                return false;
    }
    return true;
}

// The character drawn whole at (x, 0); '?' for none.
char GlyphAt(const ui::Bitmap& picture, const TKroDigit& digit, int x) {
    for (char ch : gauges::kDigitGlyphs)
        if (Drawn(picture, digit, ch, x, 0)) return ch;
    return '?';
}

std::string Shown(TKroDigit& digit) {
    ui::Bitmap b = Painted(digit, ui::kFuchsia);
    std::string s;
    for (int x = 0; x + digit.GlyphWidth() <= digit.Width(); x += digit.GlyphWidth())
        s += GlyphAt(b, digit, x);
    return s;
}

TEST(KroDigitTest, StripsOfTheResources) {
    for (const char* name :
         {"KroDigitBitmap1", "KroDigitBitmap2", "KroDigitBitmap3", "KroDigitBitmap4"}) {
        SCOPED_TRACE(name);
        HRSRC found = FindResourceA(ui::ResourceModule(), name, MAKEINTRESOURCEA(2));
        ASSERT_NE(found, nullptr);
        auto* header = static_cast<const BITMAPINFOHEADER*>(
            LockResource(LoadResource(ui::ResourceModule(), found)));
        EXPECT_EQ(header->biBitCount, 4);
        ui::Bitmap strip;
        strip.LoadFromResource(name);
        ASSERT_EQ(strip.Width(), 238);
        ASSERT_EQ(strip.Height(), 20);
        for (int g = 0; g < 17; ++g) {
            int black = 0, other = 0;
            for (int y = 0; y < 20; ++y)
                for (int x = 0; x < 14; ++x) {
                    ui::Colour c = strip.Pixel(g * 14 + x, y);
                    if (c == ui::kBlack)
                        ++black;
                    else if (c != ui::kSilver)
                        ++other;
                }
            EXPECT_EQ(other, 0) << g;
            EXPECT_EQ(black == 0, g == 10) << g;  // only the eleventh glyph is blank
        }
    }
}

TEST(KroDigitTest, NewDisplayShowsZeroInFiveCells) {
    Host<TKroDigit> host("KroTacho1Digit");
    TKroDigit& d = host.control;
    EXPECT_EQ(d.GlyphWidth(), 14);
    EXPECT_EQ(d.Width(), 70);
    EXPECT_EQ(d.Height(), 20);
    EXPECT_EQ(d.DigitCount(), 5);
    EXPECT_EQ(d.Decimals(), 2);
    EXPECT_FALSE(d.DigitScrolling());
    EXPECT_EQ(d.DigitStyle(), TDigitStyle::dsInteger);
    EXPECT_EQ(d.Value(), gauges::DigitValue(std::int32_t{0}));
    EXPECT_FALSE(d.ScrollTimer().Enabled());
    EXPECT_EQ(d.ScrollTimer().Interval(), 50);
    EXPECT_EQ(Shown(d), "    0");
}

TEST(KroDigitTest, ValuesRightAlignedInTheirStyle) {
    Host<TKroDigit> host("KroTacho1Digit");
    TKroDigit& d = host.control;
    d.SetDigitCount(4);
    d.SetValue(std::int32_t{1234});
    EXPECT_EQ(Shown(d), "1234");
    d.SetDigitCount(3);
    EXPECT_EQ(d.Width(), 42);
    EXPECT_EQ(Shown(d), "234");  // the leftmost digit is not drawn

    d.SetDecimals(0);
    d.SetValue(87.0);
    EXPECT_EQ(d.DigitStyle(), TDigitStyle::dsDouble);
    EXPECT_EQ(Shown(d), " 87");
    d.SetValue(std::int32_t{0});
    EXPECT_EQ(d.DigitStyle(), TDigitStyle::dsInteger);
    EXPECT_EQ(Shown(d), "  0");
    d.SetValue(std::int16_t{-12});
    EXPECT_EQ(Shown(d), "-12");
    d.SetDigitCount(10);
    d.SetValue(-1.5e7f);  // scientific: the "E" has no glyph
    d.SetDecimals(100);
    EXPECT_EQ(Shown(d), "-1.5 +0007");

    d.SetTimeSeparator(':');
    d.SetDigitCount(10);
    d.SetValue(gauges::DateTimeValue{45000.75});
    EXPECT_EQ(d.DigitStyle(), TDigitStyle::dsDate);
    EXPECT_EQ(Shown(d), "15.03.2023");
    d.SetDigitStyle(TDigitStyle::dsTime);
    EXPECT_EQ(Shown(d), "  18:00:00");
    d.SetValue(gauges::DateTimeValue{0.5});  // stays a time
    EXPECT_EQ(Shown(d), "  12:00:00");
}

TEST(KroDigitTest, RefusedKindsAndRepaints) {
    Host<TKroDigit> host("KroTacho1Digit");
    TKroDigit& d = host.control;
    d.SetValue(std::int32_t{42});
    EXPECT_EQ(host.Flush(), 1);
    for (const gauges::DigitValue& v :
         {gauges::DigitValue(true), gauges::DigitValue(std::string("7")),
          gauges::DigitValue(std::monostate{}), gauges::DigitValue(std::int64_t{7})}) {
        d.SetValue(v);
        EXPECT_EQ(d.Value(), gauges::DigitValue(std::int32_t{42}));
        EXPECT_EQ(d.DigitStyle(), TDigitStyle::dsInteger);
        EXPECT_EQ(host.Flush(), 0);
    }
    d.SetDecimals(4);  // not used by integers
    EXPECT_EQ(host.Flush(), 0);
    d.SetValue(std::int32_t{42});  // a stored value always repaints
    EXPECT_EQ(host.Flush(), 1);
    d.SetDigitStyle(TDigitStyle::dsInteger);  // also unchanged
    EXPECT_EQ(host.Flush(), 1);
    d.SetDigitCount(5);
    EXPECT_EQ(host.Flush(), 1);
    d.SetDigitStyle(TDigitStyle::dsDouble);
    EXPECT_EQ(host.Flush(), 1);
    d.SetDecimals(1);
    EXPECT_EQ(host.Flush(), 1);
    d.SetDigitScrolling(true);
    EXPECT_EQ(host.Flush(), 0);
}

// Displays without cells, or squeezed to a few pixels, paint without fault.
TEST(KroDigitTest, EmptyAndTinyDisplaysPaint) {
    Host<TKroDigit> host("KroTacho1Digit");
    TKroDigit& d = host.control;
    d.SetDigitScrolling(true);
    d.SetDigitCount(0);
    d.SetValue(std::int32_t{5});
    EXPECT_EQ(Painted(d, ui::kFuchsia).Width(), 0);
    EXPECT_FALSE(d.ScrollTimer().Enabled());
    d.SetDigitCount(3);
    for (int h : {0, 1, 3}) {
        SCOPED_TRACE(h);
        d.SetBounds(0, 0, 2, h);
        d.SetValue(std::int32_t{h + 10});
        Painted(d, ui::kFuchsia);
        host.Flush();
    }
}

// A changed cell rises 2 pixels a paint, the glyph it showed leaving above it, and settles
// after 10 paints; the scroll timer runs until then and each tick repaints.
TEST(KroDigitTest, ScrollingInTenStepsOfTwoPixels) {
    Host<TKroDigit> host("KroTacho1Digit");
    TKroDigit& d = host.control;
    d.SetDigitCount(3);
    d.SetValue(std::int32_t{17});
    EXPECT_EQ(Shown(d), " 17");
    d.SetDigitScrolling(true);
    d.SetValue(std::int32_t{18});
    const int x = 2 * d.GlyphWidth();
    for (int step = 1; step <= 10; ++step) {
        SCOPED_TRACE(step);
        ui::Bitmap b = Painted(d, ui::kFuchsia);
        const int offset = 20 - 2 * step;
        EXPECT_TRUE(Drawn(b, d, '8', x, offset));  // target from its offset down
        if (offset > 0) {
            EXPECT_TRUE(Drawn(b, d, '7', x, offset - 20));  // leaving above
        }
        EXPECT_EQ(GlyphAt(b, d, d.GlyphWidth()), '1');  // unchanged cell keeps still
        EXPECT_TRUE(d.ScrollTimer().Enabled());
    }
    EXPECT_EQ(Shown(d), " 18");
    EXPECT_FALSE(d.ScrollTimer().Enabled());

    d.SetValue(std::int32_t{19});
    host.Flush();
    EXPECT_TRUE(d.ScrollTimer().Enabled());
    d.ScrollTimer().OnTimer();  // a tick repaints
    EXPECT_EQ(host.Flush(), 1);
}

}  // namespace
