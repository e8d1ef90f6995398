#include "monitor/core/chart_math.h"

#include <gtest/gtest.h>

#include "monitor/core/chart_parameters.h"

using namespace velmorant;

namespace {

RecordedFrame WithByte(int parameter, int value) {
    RecordedFrame f;
    f.DataBytes[static_cast<std::size_t>(parameter)] = static_cast<std::uint8_t>(value);
    return f;
}

ConversionSettings Units(int vozduh = 1, int temperature = 1, int khh = 1, int dz = 1,
                         int korr = 1) {
    ConversionSettings s;
    s.Vozduh = vozduh;
    s.Temperature = temperature;
    s.KHH = khh;
    s.DZ = dz;
    s.Korr = korr;
    return s;
}

}  // namespace

TEST(ChartMath, ExactQuotientsRoundTheirOwnWay) {
    struct Case {
        std::int64_t num, den, ceil, floor, nearest;
    };
    const Case cases[] = {
        {7, 2, 4, 3, 4},       {5, 2, 3, 2, 2},         {-5, 2, -2, -3, -2},  {-7, 2, -3, -4, -4},
        {-80, 100, 0, -1, -1}, {600, 3, 200, 200, 200}, {-22, 100, 0, -1, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CeilExact(c.num, c.den), c.ceil) << c.num << "/" << c.den;
        EXPECT_EQ(FloorExact(c.num, c.den), c.floor) << c.num << "/" << c.den;
        EXPECT_EQ(RoundHalfEvenExact(c.num, c.den), c.nearest) << c.num << "/" << c.den;
    }
}

TEST(ChartMath, ColumnsOfCurvePointsAndMarker) {
    // Two frames: the first at 0, the last at the right edge.
    EXPECT_EQ(ChartX(0, 2, kChartWidth), 0);
    EXPECT_EQ(ChartX(1, 2, kChartWidth), 600);
    EXPECT_EQ(MarkerX(1, 2, kChartWidth), 600);
    // 2000 frames: 600 q / 1999, curve points up, the marker down.
    EXPECT_EQ(ChartX(1, 2000, kChartWidth), 1);
    EXPECT_EQ(MarkerX(1, 2000, kChartWidth), 0);
    EXPECT_EQ(ChartX(1000, 2000, kChartWidth), 301);  // 300.15
    EXPECT_EQ(MarkerX(1000, 2000, kChartWidth), 300);
    EXPECT_EQ(ChartX(1999, 2000, kChartWidth), 600);
    EXPECT_EQ(MarkerX(1999, 2000, kChartWidth), 600);
    // 50 frames: where 600 m / 49 is not whole the marker stands one column left.
    EXPECT_EQ(ChartX(25, 50, kChartWidth), 307);  // 306.12
    EXPECT_EQ(MarkerX(25, 50, kChartWidth), 306);
    // A narrower chart uses the same step for both and ends at its own last column.
    EXPECT_EQ(ChartX(99, 100, 569), 568);
    EXPECT_EQ(MarkerX(99, 100, 569), 568);
    EXPECT_EQ(ChartX(50, 100, 569), 287);  // 286.87
    EXPECT_EQ(MarkerX(50, 100, 569), 286);
}

TEST(ChartMath, RowsOfEveryParameterAtTheEdgesOfItsScale) {
    struct Case {
        int parameter, value, y;
        ConversionSettings units;
    };
    const Case cases[] = {
        {0, 0, 199, Units()},
        {0, 240, -1, Units()},
        {0, 241, -2, Units()},
        {0, 120, 99, Units()},
        {1, 0, 129, Units()},
        {1, 255, 9, Units()},
        {1, 63, 99, Units()},
        {2, 255, 0, Units()},
        {2, 128, 99, Units()},
        {2, 0, 199, Units(1, 1, 2)},
        {3, 255, 72, Units()},
        {3, 200, 99, Units()},
        {3, 1, 199, Units()},
        {4, 100, 99, Units(1)},
        {4, 200, -1, Units(5)},
        {4, 100, 99, Units(4)},
        {4, 255, 0, Units(6)},
        {4, 128, 99, Units(6)},
        {6, 100, 99, Units()},
        {6, 180, -1, Units(1, 1, 1, 2)},
        {6, 90, 99, Units(1, 1, 1, 2)},
        {6, 50, 144, Units(1, 1, 1, 2)},
        {6, 150, 32, Units(1, 1, 1, 2)},
        {7, 200, -1, Units()},
        {7, 0, 199, Units()},
        {8, 128, 99, Units()},
        {8, 0, 199, Units()},
        {9, 128, 99, Units(1, 1, 1, 1, 2)},
        {8, 255, -1, Units(1, 1, 1, 1, 2)},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(ChartScaleOf(c.parameter, c.units)) << c.parameter;
        EXPECT_EQ(ChartY(c.parameter, WithByte(c.parameter, c.value), c.units), c.y)
            << "parameter " << c.parameter << " raw " << c.value;
    }
}

TEST(ChartMath, CoolantRowsFollowTheTableExactly) {
    // 1 pixel a degree, 0 degrees at 149; the inverse sensor reads 255 - raw.
    struct Case {
        int raw, temperature, y;
    };
    const Case cases[] = {
        {0, 1, 219},          // -70
        {14, 1, 191},         // -42
        {15, 1, 189},         // -40
        {82, 1, 149},         // 0
        {83, 1, 148},         // 0.38 rounds up to 1
        {255, 1, 149 - 240},  // 239.6
        {255 - 82, 2, 149},   // inverse: n = 82
        {255 - 82, 3, 149},   // any setting but 1 is inverse
        {237, 1, 50},         // 99
        {236, 1, 52},         // 96.88
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChartY(5, WithByte(5, c.raw), Units(1, c.temperature)), c.y) << c.raw;
    for (int v = 0; v <= 255; ++v)
        EXPECT_NEAR(CoolantHundredths(v) / 100.0L, CoolantTable(v), 1e-9L) << v;
}

TEST(ChartMath, FlagsStandNearTheTopWhenSet) {
    for (int p = kFirstFlagIndex; p < kNoCurve; ++p) {
        RecordedFrame f;
        EXPECT_EQ(ChartY(p, f, Units()), 198) << p;
        const ChartParameter& flag = ChartParameterOf(p);
        (flag.Byte == 11 ? f.Byte11Bits : f.Byte12Bits)[static_cast<std::size_t>(flag.Bit)] = 1;
        EXPECT_EQ(ChartY(p, f, Units()), 2) << p;
        const auto scale = ChartScaleOf(p, Units());
        ASSERT_TRUE(scale);
        EXPECT_EQ(scale->Top, flag.SetWord);
        EXPECT_EQ(scale->Middle, "");
        EXPECT_EQ(scale->Bottom, flag.ClearWord);
    }
}

TEST(ChartMath, ScaleLabelsPerUnitAndNoneOutsideTheChoices) {
    struct Case {
        int parameter;
        ConversionSettings units;
        const char *top, *middle, *bottom;
    };
    const Case cases[] = {
        {0, Units(), "30msec", "15msec", "0msec"},
        {1, Units(), "100deg.", "0deg.", "-100deg."},
        {2, Units(1, 1, 1), "100%", "50%", "0%"},
        {2, Units(1, 1, 2), "255step", "127step", "0step"},
        {3, Units(), "10000rpm", "5000rpm", "0rpm"},
        {4, Units(1), "133kPa", "66kPa", "0kPa"},
        {4, Units(2), "1000mm", "500mm", "0mm"},
        {4, Units(3), "200kPa", "100kPa", "0kPa"},
        {4, Units(4), "1500mm", "750mm", "0mm"},
        {4, Units(5), "400gr/sec", "200gr/sec", "0gr/sec"},
        {4, Units(6), "5V", "2,5V", "0V"},
        {5, Units(1, 7), "150deg.C", "50deg.C", "-50deg.C"},
        {6, Units(1, 1, 1, 1), "100gr", "50gr", "0gr"},
        {6, Units(1, 1, 1, 2), "100%", "50%", "0%"},
        {7, Units(), "200km/h", "100km/h", "0km/h"},
        {8, Units(1, 1, 1, 1, 1), "5V", "2,5V", "0V"},
        {9, Units(1, 1, 1, 1, 2), "20%", "0%", "-20%"},
    };
    for (const Case& c : cases) {
        const auto scale = ChartScaleOf(c.parameter, c.units);
        ASSERT_TRUE(scale) << c.parameter;
        EXPECT_EQ(scale->Top, c.top);
        EXPECT_EQ(scale->Middle, c.middle);
        EXPECT_EQ(scale->Bottom, c.bottom);
    }
    for (const auto& [p, units] :
         std::vector<std::pair<int, ConversionSettings>>{{2, Units(1, 1, 3)},
                                                         {4, Units(0)},
                                                         {4, Units(7)},
                                                         {6, Units(1, 1, 1, 3)},
                                                         {8, Units(1, 1, 1, 1, 0)},
                                                         {9, Units(1, 1, 1, 1, 3)},
                                                         {22, Units()},
                                                         {-1, Units()},
                                                         {23, Units()}})
        EXPECT_FALSE(ChartScaleOf(p, units)) << p;
    // A pane's own ignition texts.
    ChartTexts pane;
    pane.IgnitionScale = {"100deg", "0deg", "-100deg"};
    EXPECT_EQ(ChartScaleOf(1, Units(), pane)->Top, "100deg");
}

TEST(ChartMath, ValueTextsWithTheirSuffixes) {
    struct Case {
        int parameter, value;
        ConversionSettings units;
        const char* text;
    };
    const Case cases[] = {
        {0, 255, Units(), "31.880 msec."},
        {1, 0, Units(), "-30.0 deg."},
        {2, 255, Units(1, 1, 1), "100.0 %"},
        {2, 200, Units(1, 1, 2), "200 step"},
        {3, 200, Units(), "5000 rpm"},
        {4, 100, Units(1), "65.2 kPa"},
        {4, 100, Units(2), "489 mm.of Hg."},
        {4, 100, Units(3), "97.0 kPa"},
        {4, 100, Units(4), "773 mm.of Hg."},
        {4, 100, Units(5), "200.0 gr/sec"},
        {4, 255, Units(6), "5.0 V"},
        {5, 82, Units(1, 1), "0.0 deg.C"},
        {5, 255 - 82, Units(1, 2), "0.0 deg.C"},
        {6, 101, Units(1, 1, 1, 1), "50.5 deg."},
        {6, 90, Units(1, 1, 1, 2), "50.0 %"},
        {7, 120, Units(), "120 km/h"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChartValueText(c.parameter, WithByte(c.parameter, c.value), c.units, 0, '.'),
                  c.text)
            << c.parameter;
    EXPECT_EQ(ChartValueText(0, WithByte(0, 8), Units(), 0, ','), "1,000 msec.");
    // No text: the empty item, no selection, a unit setting without a formula.
    EXPECT_FALSE(ChartValueText(22, {}, Units(), 0, '.'));
    EXPECT_FALSE(ChartValueText(-1, {}, Units(), 0, '.'));
    EXPECT_FALSE(ChartValueText(2, {}, Units(1, 1, 3), 0, '.'));
    EXPECT_FALSE(ChartValueText(4, {}, Units(0), 0, '.'));
    EXPECT_FALSE(ChartValueText(6, {}, Units(1, 1, 1, 3), 0, '.'));
    EXPECT_FALSE(ChartValueText(8, {}, Units(1, 1, 1, 1, 3), 0, '.'));
    // Flags: the first word when the bit is set.
    RecordedFrame f;
    f.Byte12Bits[1] = 1;
    EXPECT_EQ(ChartValueText(16, f, Units(), 0, '.'), "Closed");
    EXPECT_EQ(ChartValueText(15, f, Units(), 0, '.'), "Off");
}

TEST(ChartMath, VoltMarkOfTargetAirFuel) {
    struct Case {
        int raw;
        const char* text;
    };
    const Case cases[] = {
        {0, "0.00 V"},         {1, "0.02 V - bad"},   {25, "0.49 V - bad"}, {26, "0.51 V"},
        {27, "0.53 V - bad"},  {63, "1.23 V - bad"},  {64, "1.25 V"},       {192, "3.75 V"},
        {193, "3.77 V - bad"}, {255, "4.98 V - bad"},
    };
    for (int parameter : {8, 9})
        for (const Case& c : cases)
            EXPECT_EQ(ChartValueText(parameter, WithByte(parameter, c.raw), Units(), 0, '.'),
                      c.text)
                << parameter << " raw " << c.raw;
    // Each byte is judged by itself, and a pane writes its mark without the blank.
    RecordedFrame f = WithByte(8, 25);
    EXPECT_EQ(ChartValueText(9, f, Units(), 0, '.'), "0.00 V");
    ChartTexts pane;
    pane.BadVoltSuffix = "V - bad";
    EXPECT_EQ(ChartValueText(8, f, Units(), 0, '.', pane), "0.49V - bad");
}

TEST(ChartMath, PercentMarkNeedsTurningEngineAndWarmCoolant) {
    const ConversionSettings percent = Units(1, 1, 1, 1, 2);
    struct Case {
        int raw;
        const char* text;
    };
    const Case warm[] = {
        {0, "-20.00% - bad"},  {26, "-15.90%"}, {230, "15.90%"},       {64, "-10.00%"},
        {63, "-10.20% - bad"}, {128, "0.00%"},  {255, "19.80% - bad"},
    };
    for (const Case& c : warm) {
        RecordedFrame f = WithByte(8, c.raw);
        f.DataBytes[3] = 1;  // engine speed
        EXPECT_EQ(ChartValueText(8, f, percent, 80.5L, '.'), c.text) << c.raw;
    }
    RecordedFrame f = WithByte(9, 0);
    f.DataBytes[3] = 1;
    EXPECT_EQ(ChartValueText(9, f, percent, 80.5L, '.'), "-20.00% - bad");
    EXPECT_EQ(ChartValueText(9, f, percent, 80.0L, '.'), "-20.00%");
    f.DataBytes[3] = 0;
    EXPECT_EQ(ChartValueText(9, f, percent, 80.5L, '.'), "-20.00%");
}

TEST(ChartMath, Captions) {
    EXPECT_EQ(ChartCaption("Charts  from ", " to ", 975, 50), "Charts  from 975 to 1024 frame");
    EXPECT_EQ(ChartCaption("Charts  from ", " to ", 7, 1), "Charts  from 7 to 7 frame");
}

TEST(ChartMath, ZoomCentresTheCurrentFrameWhereTheRecordAllows) {
    struct Case {
        int p, count, requested;
        ChartWindow want;
    };
    const Case cases[] = {
        {1000, 2000, 50, {50, 975, 1951, 25}},
        {1990, 2000, 50, {50, 1951, 1951, 39}},
        {10, 2000, 50, {50, 1, 1951, 9}},
        {700, 2000, 3000, {2000, 1, 1, 699}},  // above the record: the record
        {700, 2000, 0, {1, 700, 2000, 0}},     // below 1: one frame
        {700, 2000, -5, {1, 700, 2000, 0}},
        {1, 1, 5, {1, 1, 1, 0}},
        {3, 5, 2, {2, 2, 4, 1}},
    };
    for (const Case& c : cases) {
        const ChartWindow w = ZoomChartWindow(c.p, c.count, c.requested);
        EXPECT_EQ(w.Frames, c.want.Frames) << c.p << " " << c.requested;
        EXPECT_EQ(w.Start, c.want.Start) << c.p << " " << c.requested;
        EXPECT_EQ(w.StartMax, c.want.StartMax) << c.p << " " << c.requested;
        EXPECT_EQ(w.Offset, c.want.Offset) << c.p << " " << c.requested;
        EXPECT_EQ(w.Start + w.Offset, c.p);
        EXPECT_LE(w.Start + w.Frames - 1, c.count);
    }
    EXPECT_EQ(ZoomPageStep(50), 10);
    EXPECT_EQ(ZoomPageStep(51), 11);
    EXPECT_EQ(ZoomPageStep(1), 1);
}

TEST(ChartMath, FollowingTheNewestFrames) {
    const ChartWindow early = FollowNewestFrame(7);
    EXPECT_EQ(early.Frames, 7);
    EXPECT_EQ(early.Start, 1);
    EXPECT_EQ(early.StartMax, 1);
    EXPECT_EQ(early.Offset, 6);
    const ChartWindow at50 = FollowNewestFrame(50);
    EXPECT_EQ(at50.Frames, 50);
    EXPECT_EQ(at50.Offset, 49);
    const ChartWindow later = FollowNewestFrame(120);
    EXPECT_EQ(later.Frames, 50);
    EXPECT_EQ(later.Start, 71);
    EXPECT_EQ(later.StartMax, 71);
    EXPECT_EQ(later.Offset, 49);
}

TEST(ChartMath, JumpsKeepTheChosenFrameInTheWindow) {
    struct Case {
        int p, start, markerMax, wantStart;
    };
    const Case cases[] = {
        {120, 100, 49, 100},  // inside
        {149, 100, 49, 100},  // the last frame of the window
        {150, 100, 49, 101},  // one past the end: the window moves one frame
        {99, 100, 49, 99},    // one before the start
        {500, 100, 49, 451},  // forward by more than the window
        {10, 100, 49, 10},    // backward by more than the window
    };
    for (const Case& c : cases) {
        const ChartWindow w = PlaceInWindow(c.p, c.start, c.markerMax);
        EXPECT_EQ(w.Start, c.wantStart) << c.p;
        EXPECT_EQ(w.Start + w.Offset, c.p);
    }
}

TEST(ChartMath, ClicksPickTheNearestFrame) {
    EXPECT_EQ(ClickOffset(0, kChartWidth, 49), 0);
    EXPECT_EQ(ClickOffset(600, kChartWidth, 49), 49);
    EXPECT_EQ(ClickOffset(600, kChartWidth, 1999), 1999);
    EXPECT_EQ(ClickOffset(300, kChartWidth, 1), 0);  // one half: to the even neighbour
    EXPECT_EQ(ClickOffset(300, kChartWidth, 3), 2);  // 1.5
    EXPECT_EQ(ClickOffset(301, kChartWidth, 1), 1);
    EXPECT_EQ(ClickOffset(568, 569, 99), 99);
}

TEST(ChartMath, ZoomLists) {
    using List = std::vector<std::string>;
    EXPECT_EQ(ZoomList(1), List{});
    EXPECT_EQ(ZoomList(5), List{"5"});
    EXPECT_EQ(ZoomList(50), (List{"5", "10", "20", "50", "50"}));
    EXPECT_EQ(ZoomList(73), (List{"5", "10", "20", "50", "73"}));
    EXPECT_EQ(ZoomList(2000),
              (List{"5", "10", "20", "50", "100", "200", "500", "1000", "2000", "2000"}));
    EXPECT_EQ(ZoomListAfterDeletion(3), List{"5"});
    EXPECT_EQ(ZoomListAfterDeletion(49), (List{"5", "10", "20", "49"}));
    EXPECT_EQ(ZoomListAfterDeletion(1999),
              (List{"5", "10", "20", "50", "100", "200", "500", "1000", "1999"}));
}
