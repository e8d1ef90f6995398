#include "gauges/kro_led.h"

#include <gtest/gtest.h>

#include "tests/win/gauge_support.h"

using gauge_test::Host;
using gauge_test::Painted;
using gauges::TKroLED;

namespace {

constexpr ui::Colour kMarker = ui::kFuchsia;

TEST(KroLEDTest, NewLampIsAGreenDiscWithABlackFrameAndNoCrescents) {
    Host<TKroLED> host("KroLED1");
    TKroLED& lamp = host.control;
    EXPECT_EQ(lamp.Width(), 25);
    EXPECT_EQ(lamp.Height(), 25);
    EXPECT_EQ(lamp.Color(), ui::kGreen);
    EXPECT_EQ(lamp.FrameColor(), ui::kBlack);
    EXPECT_EQ(lamp.FrameWidth(), 1);
    EXPECT_FALSE(lamp.LightEffect());
    EXPECT_EQ(&host.form.Get<TKroLED>("KroLED1"), &lamp);

    ui::Bitmap b = Painted(lamp, kMarker);
    for (int i = 0; i < 25; ++i) {
        EXPECT_EQ(b.Pixel(i, 0), kMarker) << i;  // row 0 and column 0 stay unpainted
        EXPECT_EQ(b.Pixel(0, i), kMarker) << i;
    }
    EXPECT_EQ(b.Pixel(13, 13), ui::kGreen);
    EXPECT_EQ(b.Pixel(13, 1), ui::kBlack);  // top of the ellipse in the box (1, 1)-(25, 25)
    EXPECT_EQ(b.Pixel(1, 13), ui::kBlack);
    EXPECT_EQ(b.Pixel(2, 2), kMarker);  // corners show the parent
    EXPECT_EQ(b.Pixel(23, 23), kMarker);
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 25; ++x) {
            ui::Colour c = b.Pixel(x, y);
            EXPECT_TRUE(c == kMarker || c == ui::kGreen || c == ui::kBlack) << x << "," << y;
        }
}

// The lamps of the driving-parameters window: 17 x 17 with crescents between the ellipses
// inset by 2 and by 4 pixels, white at the upper left and grey at the lower right.
TEST(KroLEDTest, CrescentsOfASmallLamp) {
    Host<TKroLED> host("KroLED1");
    TKroLED& lamp = host.control;
    lamp.SetBounds(0, 0, 17, 17);
    lamp.SetLightEffect(true);
    lamp.SetColor(ui::kRed);
    ui::Bitmap b = Painted(lamp, kMarker);
    EXPECT_EQ(b.Pixel(4, 4), ui::kWhite);   // in the band, upper left
    EXPECT_EQ(b.Pixel(12, 12), ui::kGrey);  // in the band, lower right
    EXPECT_EQ(b.Pixel(8, 8), ui::kRed);     // the middle is covered again
    EXPECT_EQ(b.Pixel(12, 4), ui::kRed);    // no crescent at the upper right
    EXPECT_EQ(b.Pixel(4, 12), ui::kRed);    // nor at the lower left
    EXPECT_EQ(b.Pixel(8, 1), ui::kBlack);   // the frame
    for (int y = 0; y < 17; ++y)
        for (int x = 0; x < 17; ++x) {
            if (b.Pixel(x, y) == ui::kWhite) {
                EXPECT_LT(x + y, 16) << x << "," << y;
            }
            if (b.Pixel(x, y) == ui::kGrey) {
                EXPECT_GT(x + y, 16) << x << "," << y;
            }
        }
}

TEST(KroLEDTest, FrameWidthWidensTheOutline) {
    Host<TKroLED> host("KroLED1");
    TKroLED& lamp = host.control;
    auto blackRun = [&] {
        ui::Bitmap b = Painted(lamp, kMarker);
        int x = 0;
        while (b.Pixel(x, 13) == kMarker) ++x;
        int run = 0;
        while (b.Pixel(x + run, 13) == ui::kBlack) ++run;
        return run;
    };
    EXPECT_EQ(blackRun(), 1);
    lamp.SetFrameWidth(3);
    EXPECT_EQ(blackRun(), 3);
}

// Lamps of no or a few pixels paint without fault, alone or on their parent.
TEST(KroLEDTest, TinyLampsPaint) {
    Host<TKroLED> host("KroLED1");
    TKroLED& lamp = host.control;
    lamp.SetLightEffect(true);
    for (int size : {0, 1, 2, 3, 5}) {
        SCOPED_TRACE(size);
        lamp.SetBounds(0, 0, size, size);
        EXPECT_EQ(Painted(lamp, kMarker).Width(), size);
        host.Flush();
    }
}

// Setting a property to the value it has does not repaint; a new value repaints once.
TEST(KroLEDTest, SettersRepaintOnlyOnAChange) {
    Host<TKroLED> host("KroLED1");
    TKroLED& lamp = host.control;
    lamp.SetColor(ui::kGreen);
    lamp.SetFrameColor(ui::kBlack);
    lamp.SetFrameWidth(1);
    lamp.SetLightEffect(false);
    EXPECT_EQ(host.Flush(), 0);
    lamp.SetColor(ui::kRed);
    EXPECT_EQ(host.Flush(), 1);
    lamp.SetFrameColor(ui::kNavy);
    EXPECT_EQ(host.Flush(), 1);
    lamp.SetFrameWidth(2);
    EXPECT_EQ(host.Flush(), 1);
    lamp.SetLightEffect(true);
    EXPECT_EQ(host.Flush(), 1);
}

}  // namespace
