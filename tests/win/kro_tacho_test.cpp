#include "gauges/kro_tacho.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <numbers>
#include <utility>

#include "tests/win/gauge_support.h"
#include "ui/scripted_dialogs.h"

using gauge_test::Host;
using gauge_test::Painted;
using gauges::DialGeometry;
using gauges::DialPoint;
using gauges::TKroTacho;
using gauges::TKroTachoSkala;
using gauges::TLabelposition;
using gauges::TZeigerform;

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
constexpr ui::Colour kFace = ui::kWhite;
constexpr ui::Colour kPointer = ui::kRed;
constexpr ui::Colour kPin = ui::kNavy;

// The tachometer's size and pin: R 130, pivot (156, 140). No scale, a thin plain needle.
void Tachometer(TKroTacho& t) {
    t.SetBounds(0, 0, 313, 160);
    t.SetColour(kFace);
    t.SetScale(TKroTachoSkala::tsNone);
    t.SetPointerType(TZeigerform::zfNadel);
    t.SetPointerWidth(1);
    t.SetPointerColor(kPointer);
    t.SetPinColor(kPin);
    t.SetMaxValue(8000);
}

TEST(KroTachoTest, NewGauge) {
    Host<TKroTacho> host("KroTacho1");
    TKroTacho& t = host.control;
    EXPECT_EQ(t.Width(), 250);
    EXPECT_EQ(t.Height(), 200);
    EXPECT_EQ(t.Scale(), TKroTachoSkala::tsScaleLabels);
    EXPECT_EQ(t.ScaleDecimals(), 0);
    EXPECT_EQ(t.LabelPosition(), TLabelposition::lpAussen);
    EXPECT_EQ(t.PointerColor(), ui::kRed);
    EXPECT_EQ(t.PointerWidth(), 4);
    EXPECT_EQ(t.PointerType(), TZeigerform::zfPfeil);
    EXPECT_EQ(t.PinColor(), ui::kGreen);
    EXPECT_EQ(t.PinRadius(), 10);
    EXPECT_EQ(t.ScaleColor(), ui::kBlack);
    EXPECT_EQ(t.NumberOfIntervals(), 10);
    EXPECT_EQ(t.MinValue(), 0);
    EXPECT_EQ(t.MaxValue(), 10);
    EXPECT_EQ(t.Position(), 0);
    EXPECT_FALSE(t.Transparent());
    EXPECT_EQ(t.GetColour(), host.form.GetColour());  // the parent's colour
}

TEST(KroTachoTest, PinAndNeedleEnds) {
    Host<TKroTacho> host("KroTacho1");
    TKroTacho& t = host.control;
    Tachometer(t);

    t.SetPosition(8000);
    ui::Bitmap b = Painted(t, ui::kFuchsia);
    EXPECT_EQ(b.Pixel(0, 0), kFace);
    EXPECT_EQ(b.Pixel(156, 140), kPin);
    EXPECT_EQ(b.Pixel(156, 131), kPin);      // within the pin's radius of 10
    EXPECT_EQ(b.Pixel(156, 128), kFace);     // beyond it
    EXPECT_EQ(b.Pixel(273, 140), kPointer);  // the needle's end at 0.9 R, angle pi
    EXPECT_EQ(b.Pixel(274, 140), kFace);
    EXPECT_EQ(b.Pixel(273, 139), kFace);
    EXPECT_EQ(b.Pixel(200, 140), kPointer);

    // At the minimum the needle ends half a degree up: at (39, 139), one row above the pivot.
    t.SetPosition(0);
    b = Painted(t, ui::kFuchsia);
    EXPECT_EQ(b.Pixel(39, 139), kPointer);
    EXPECT_EQ(b.Pixel(39, 140), kFace);
    EXPECT_EQ(b.Pixel(38, 139), kFace);
    EXPECT_EQ(b.Pixel(273, 140), kFace);

    // Equal ends: the same as at the minimum, and nothing divides by zero.
    t.SetMaxValue(0);
    EXPECT_EQ(t.MinValue(), 0);
    EXPECT_EQ(t.MaxValue(), 0);
    b = Painted(t, ui::kFuchsia);
    EXPECT_EQ(b.Pixel(39, 139), kPointer);
    EXPECT_EQ(b.Pixel(39, 140), kFace);
}

// The sector and ring pointers cover the arc from the minimum up to the pointer: at the
// minimum only a thin wedge on the left, at the middle the upper-left quarter.
TEST(KroTachoTest, SectorAndRingPointers) {
    Host<TKroTacho> host("KroTacho1");
    TKroTacho& t = host.control;
    Tachometer(t);
    struct Case {
        TZeigerform type;
        double position;
        int x, y;
        ui::Colour colour;
    };
    // Sector radius 0.6 R = 78, ring between 0.5 R = 65 and 78.
    const Case cases[] = {
        {TZeigerform::zfKreis, 0, 100, 140, kPointer},  // the wedge along the left end
        {TZeigerform::zfKreis, 0, 120, 110, kFace},
        {TZeigerform::zfKreis, 0, 190, 110, kFace},
        {TZeigerform::zfKreis, 0, 100, 150, kFace},
        {TZeigerform::zfKreis, 65, 120, 110, kFace},  // two pixels up at the arc: still thin
        {TZeigerform::zfKreis, 65, 100, 139, kPointer},
        {TZeigerform::zfKreis, 4000, 120, 110, kPointer},  // upper left, within 78
        {TZeigerform::zfKreis, 4000, 190, 110, kFace},     // upper right
        {TZeigerform::zfKreis, 4000, 100, 150, kFace},     // below the pivot
        {TZeigerform::zfRing, 0, 156, 60, kFace},          // nothing flooded
        {TZeigerform::zfRing, 0, 5, 5, kFace},
        {TZeigerform::zfRing, 0, 120, 110, kFace},
        {TZeigerform::zfRing, 4000, 105, 89, kPointer},  // in the band at 45 degrees
        {TZeigerform::zfRing, 4000, 82, 130, kPointer},  // in the band near the left end
        {TZeigerform::zfRing, 4000, 130, 120, kFace},    // inside the inner arc
        {TZeigerform::zfRing, 4000, 207, 89, kFace},     // the band beyond the pointer
        {TZeigerform::zfRing, 4000, 40, 60, kFace},      // outside the outer arc
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.type) << " at " << c.position << ": "
                                        << c.x << "," << c.y);
        t.SetPointerType(c.type);
        t.SetPosition(c.position);
        EXPECT_EQ(Painted(t, ui::kFuchsia).Pixel(c.x, c.y), c.colour);
    }
}

// A wide pen covers the usual seed of the ring's fill next to the left end; the band is
// filled all the same, and nothing outside it.
TEST(KroTachoTest, RingWithAWidePointer) {
    Host<TKroTacho> host("KroTacho1");
    TKroTacho& t = host.control;
    Tachometer(t);
    t.SetPointerType(TZeigerform::zfRing);
    t.SetPosition(4000);
    for (int width : {4, 8, 10}) {
        SCOPED_TRACE(width);
        t.SetPointerWidth(width);
        ui::Bitmap b = Painted(t, ui::kFuchsia);
        EXPECT_EQ(b.Pixel(105, 89), kPointer);  // in the band at 45 degrees, off the outlines
        EXPECT_EQ(b.Pixel(130, 115), kFace);    // inside the inner arc
        EXPECT_EQ(b.Pixel(207, 89), kFace);     // the band beyond the pointer
        EXPECT_EQ(b.Pixel(30, 40), kFace);      // outside the outer arc
    }
}

// On its form the gauge paints with the surface's origin moved to its corner; the ring is
// filled there as on its own bitmap, on the screen and in a print of the window, with a thin
// and a wide pen (the wide one fills from the seed in the middle of the band).
TEST(KroTachoTest, RingFilledOnItsForm) {
    Host<TKroTacho> host("KroTacho1");
    TKroTacho& t = host.control;
    Tachometer(t);
    constexpr int kLeft = 37;
    constexpr int kTop = 51;
    t.SetBounds(kLeft, kTop, 313, 160);
    t.SetPointerType(TZeigerform::zfRing);
    t.SetPosition(4000);
    struct Point {
        int x, y;
        ui::Colour colour;
    };
    const Point points[] = {
        {105, 89, kPointer},  // in the band at 45 degrees
        {82, 130, kPointer},  // in the band near the left end
        {130, 120, kFace},    // inside the inner arc
        {207, 89, kFace},     // the band beyond the pointer
        {40, 60, kFace},      // outside the outer arc
        {5, 5, kFace},
    };
    const std::pair<const char*, ui::Bitmap (Host<TKroTacho>::*)()> ways[] = {
        {"on screen", &Host<TKroTacho>::OnScreen}, {"printed", &Host<TKroTacho>::Printed}};
    for (int width : {1, 4}) {
        t.SetPointerWidth(width);
        for (const auto& [way, read] : ways) {
            const ui::Bitmap b = (host.*read)();
            for (const Point& p : points) {
                SCOPED_TRACE(testing::Message()
                             << way << ", pen " << width << ": " << p.x << "," << p.y);
                EXPECT_EQ(b.Pixel(kLeft + p.x, kTop + p.y), p.colour);
            }
            EXPECT_EQ(b.Pixel(kLeft - 2, kTop - 2), ui::ToRgb(host.form.GetColour())) << way;
        }
    }
}

// Gauges of no or a few pixels paint without fault, alone or on their parent.
TEST(KroTachoTest, TinyGaugesPaint) {
    Host<TKroTacho> host("KroTacho1");
    TKroTacho& t = host.control;
    for (TZeigerform type :
         {TZeigerform::zfNadel, TZeigerform::zfPfeil, TZeigerform::zfKreis, TZeigerform::zfRing}) {
        t.SetPointerType(type);
        for (int size : {0, 1, 5, 20, 30}) {
            SCOPED_TRACE(testing::Message() << static_cast<int>(type) << " " << size);
            t.SetBounds(0, 0, size, size);
            t.SetPosition(t.Position() == 0 ? 5 : 0);
            ui::Bitmap b = Painted(t, ui::kFuchsia);
            EXPECT_EQ(b.Width(), size);
            host.Flush();
        }
    }
}

// The arrow head: a triangle from the tip back to half the radius, two degrees wide per unit
// of pointer width on each side.
TEST(KroTachoTest, ArrowHead) {
    Host<TKroTacho> host("KroTacho1");
    TKroTacho& t = host.control;
    Tachometer(t);
    // Straight up: tip (156, 23); base corners 8 degrees aside at 0.5 R = 65: (147, 76) and
    // (165, 76). Six rows above the base the head is 16 pixels wide.
    t.SetPosition(4000);
    t.SetPointerWidth(4);
    EXPECT_EQ(Painted(t, ui::kFuchsia).Pixel(151, 70), kFace);
    t.SetPointerType(TZeigerform::zfPfeil);
    ui::Bitmap b = Painted(t, ui::kFuchsia);
    EXPECT_EQ(b.Pixel(151, 70), kPointer);
    EXPECT_EQ(b.Pixel(161, 70), kPointer);
    EXPECT_EQ(b.Pixel(168, 70), kFace);
    EXPECT_EQ(b.Pixel(144, 70), kFace);
    EXPECT_EQ(b.Pixel(156, 80), kPointer);  // the needle below it
    EXPECT_EQ(b.Pixel(151, 80), kFace);
}

struct Box {
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
};

// Pixels of the label colour near an anchor point.
Box InkAround(const ui::Bitmap& b, DialPoint p, ui::Colour ink) {
    Box box;
    for (int y = std::max(0, p.y - 25); y < std::min(b.Height(), p.y + 25); ++y)
        for (int x = std::max(0, p.x - 35); x < std::min(b.Width(), p.x + 35); ++x)
            if (b.Pixel(x, y) == ink) {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y);
            }
    return box;
}

// Labels sit at their anchor points: outside the dial with their bottom edge on the point,
// right-aligned on the left half, left-aligned on the right half, centred at the top when
// the number of intervals is even; inside with their top edge on the point, the other way
// round.
TEST(KroTachoTest, LabelAlignment) {
    Host<TKroTacho> host("KroTacho1");
    TKroTacho& t = host.control;
    // Large enough that the labels lie far apart: R 290.
    t.SetBounds(0, 0, 600, 330);
    t.SetColour(kFace);
    t.SetFont(ui::Font{.name = "Arial", .height = 11, .colour = ui::kBlue});
    t.SetScale(TKroTachoSkala::tsLabels);
    t.SetPointerType(TZeigerform::zfNadel);
    t.SetPointerWidth(1);
    t.SetMaxValue(100);
    t.SetPosition(100);
    const DialGeometry dial(600, 330, 10);
    struct Case {
        int n;
        TLabelposition where;
    };
    for (const Case& c : {Case{10, TLabelposition::lpAussen}, Case{9, TLabelposition::lpAussen},
                          Case{10, TLabelposition::lpInnen}}) {
        t.SetNumberOfIntervals(c.n);
        t.SetLabelPosition(c.where);
        const bool outside = c.where == TLabelposition::lpAussen;
        ui::Bitmap b = Painted(t, ui::kFuchsia);
        for (int i = 0; i <= c.n; ++i) {
            SCOPED_TRACE(testing::Message()
                         << c.n << (outside ? " outside" : " inside") << ", label " << i);
            // The gauge keeps its interval angle as a double.
            const long double angle = i * static_cast<long double>(static_cast<double>(kPi / c.n));
            const DialPoint p = dial.PointAt(angle, outside ? 0.9L : 0.65L);
            const Box ink = InkAround(b, p, ui::kBlue);
            ASSERT_LE(ink.left, ink.right);
            if (outside) {
                EXPECT_LT(ink.bottom, p.y);
                EXPECT_GE(ink.bottom, p.y - 6);
            } else {
                EXPECT_GE(ink.top, p.y);
                EXPECT_LE(ink.top, p.y + 6);
            }
            const bool leftHalf = i < c.n / 2;
            if (c.n % 2 == 0 && i == c.n / 2) {
                EXPECT_LT(ink.left, p.x);
                EXPECT_GT(ink.right, p.x);
                EXPECT_LE(std::abs(ink.left + ink.right - 2 * p.x), 4);
            } else if (leftHalf == outside) {  // right edge at the point
                EXPECT_LT(ink.right, p.x);
                EXPECT_GE(ink.right, p.x - 4);
            } else {  // left edge at the point
                EXPECT_GE(ink.left, p.x);
                EXPECT_LE(ink.left, p.x + 4);
            }
        }
    }
}

// Ticks from 0.9 to 0.7 of the radius in the scale colour, 2 pixels wide.
TEST(KroTachoTest, Ticks) {
    Host<TKroTacho> host("KroTacho1");
    TKroTacho& t = host.control;
    Tachometer(t);
    t.SetScale(TKroTachoSkala::tsScale);
    t.SetScaleColor(ui::kGreen);
    t.SetPosition(8000);
    ui::Bitmap b = Painted(t, ui::kFuchsia);
    EXPECT_EQ(b.Pixel(156, 140 - 100), ui::kGreen);  // the middle tick: 117 to 91 up
    EXPECT_EQ(b.Pixel(156, 140 - 85), kFace);
    EXPECT_EQ(b.Pixel(156, 140 - 120), kFace);
    EXPECT_EQ(b.Pixel(50, 139), ui::kGreen);  // the left end tick, 39 to 65
    EXPECT_EQ(b.Pixel(70, 139), kFace);
}

TEST(KroTachoTest, TransparentLeavesTheBackground) {
    Host<TKroTacho> host("KroTacho1");
    TKroTacho& t = host.control;
    Tachometer(t);
    EXPECT_EQ(Painted(t, ui::kFuchsia).Pixel(5, 5), kFace);
    t.SetTransparent(true);
    t.SetScale(TKroTachoSkala::tsScaleLabels);
    ui::Bitmap b = Painted(t, ui::kFuchsia);
    EXPECT_EQ(b.Pixel(5, 5), ui::kFuchsia);
    EXPECT_EQ(b.Pixel(156, 140), kPin);
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) ASSERT_NE(b.Pixel(x, y), kFace) << x << "," << y;
}

TEST(KroTachoTest, RangeKeepsItsOrder) {
    Host<TKroTacho> host("KroTacho1");
    TKroTacho& t = host.control;
    t.SetPosition(5);
    t.SetMinValue(50);  // above the maximum 10
    EXPECT_EQ(t.MinValue(), 50);
    EXPECT_EQ(t.MaxValue(), 51);
    EXPECT_EQ(t.Position(), 50);
    t.SetMaxValue(20);  // below the minimum
    EXPECT_EQ(t.MaxValue(), 20);
    EXPECT_EQ(t.MinValue(), 19);
    EXPECT_EQ(t.Position(), 20);
    t.SetPosition(1000);
    EXPECT_EQ(t.Position(), 20);
    t.SetPosition(-1000);
    EXPECT_EQ(t.Position(), 19);
}

TEST(KroTachoTest, NumberOfIntervalsOutsideTwoToTwoHundredRefused) {
    Host<TKroTacho> host("KroTacho1");
    TKroTacho& t = host.control;
    ui::ScriptedDialogs dialogs;
    struct Case {
        int value;
        int stored;
        bool box;
    };
    const Case cases[] = {{1, 10, true},     {201, 10, true}, {2, 2, false},
                          {200, 200, false}, {0, 200, true},  {65538, 200, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        dialogs.boxes.clear();
        t.SetNumberOfIntervals(c.value);
        EXPECT_EQ(t.NumberOfIntervals(), c.stored);
        ASSERT_EQ(dialogs.boxes.size(), c.box ? 1u : 0u);
        if (c.box) {
            EXPECT_EQ(dialogs.boxes[0].text, "Wert sollte zwischen 2 und 200 liegen.");
            EXPECT_EQ(dialogs.boxes[0].caption, "Information");
            EXPECT_EQ(dialogs.boxes[0].flags & MB_TYPEMASK, static_cast<UINT>(MB_OK));
        }
    }
}

TEST(KroTachoTest, SettersRepaintOnlyOnAChange) {
    Host<TKroTacho> host("KroTacho1");
    TKroTacho& t = host.control;
    ui::ScriptedDialogs dialogs;
    auto same = [&] {
        t.SetScale(t.Scale());
        t.SetScaleDecimals(t.ScaleDecimals());
        t.SetLabelPosition(t.LabelPosition());
        t.SetPointerColor(t.PointerColor());
        t.SetPointerWidth(t.PointerWidth());
        t.SetPointerType(t.PointerType());
        t.SetPinColor(t.PinColor());
        t.SetPinRadius(t.PinRadius());
        t.SetScaleColor(t.ScaleColor());
        t.SetTransparent(t.Transparent());
        t.SetNumberOfIntervals(t.NumberOfIntervals());
        t.SetMinValue(t.MinValue());
        t.SetMaxValue(t.MaxValue());
        t.SetPosition(t.Position());
        t.SetNumberOfIntervals(500);  // refused
    };
    same();
    EXPECT_EQ(host.Flush(), 0);
    const std::function<void()> changes[] = {
        [&] { t.SetScale(TKroTachoSkala::tsNone); },
        [&] { t.SetScaleDecimals(1); },
        [&] { t.SetLabelPosition(TLabelposition::lpInnen); },
        [&] { t.SetPointerColor(ui::kBlue); },
        [&] { t.SetPointerWidth(2); },
        [&] { t.SetPointerType(TZeigerform::zfRing); },
        [&] { t.SetPinColor(ui::kNavy); },
        [&] { t.SetPinRadius(5); },
        [&] { t.SetScaleColor(ui::kGrey); },
        [&] { t.SetTransparent(true); },
        [&] { t.SetNumberOfIntervals(8); },
        [&] { t.SetMinValue(-5); },
        [&] { t.SetMaxValue(20); },
        [&] { t.SetPosition(3); },
    };
    for (const auto& change : changes) {
        change();
        EXPECT_EQ(host.Flush(), 1);
        same();
        EXPECT_EQ(host.Flush(), 0);
    }
}

}  // namespace
