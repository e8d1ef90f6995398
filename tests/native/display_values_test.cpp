#include "monitor/core/display_values.h"

#include <gtest/gtest.h>

#include "monitor/core/chart_parameters.h"
#include "monitor/core/main_layout.h"

using namespace velmorant;

namespace {

struct Shown {
    RecordedFrame frame;
    ParameterRows rows;
    DrivingGauges gauges;
};

// A frame with some data bytes set, converted with the default settings.
Shown Show(std::initializer_list<std::pair<int, std::uint8_t>> bytes, RecordedFrame f = {}) {
    for (auto [byte, value] : bytes) f.DataBytes[static_cast<std::size_t>(byte - 1)] = value;
    Shown s{f, BuildParameterRows(f, 1, 1, {}, DisplayLocale{}), {}};
    s.gauges = DrivingGaugesOf(s.frame, s.rows);
    return s;
}

}  // namespace

TEST(BytesColumn, IdentifierValueDataBytesAndFlags) {
    RecordedFrame f;
    f.IdentBits[0] = 1;
    f.IdentBits[11] = 1;
    for (int i = 0; i < 10; ++i)
        f.DataBytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i * 28);
    f.Byte11Bits = {1, 0, 1, 0, 1, 0, 0, 1};  // bits 2 and 7 are not shown
    f.Byte12Bits = {0, 0, 0, 0, 0, 1, 1, 1};  // nor bit 6
    const auto items = BytesColumnOf(f);
    EXPECT_EQ(IdentifierValue(f), 4098);
    EXPECT_EQ(items[0], "4098");
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(items[static_cast<std::size_t>(i)], std::to_string((i - 1) * 28));
    const char* flags[] = {"1", "0", "1", "0", "0", "0", "0", "0", "0", "0", "1", "1"};
    for (int j = 0; j < 12; ++j) EXPECT_EQ(items[static_cast<std::size_t>(11 + j)], flags[j]) << j;

    RecordedFrame all;
    all.IdentBits.fill(1);
    EXPECT_EQ(IdentifierValue(all), 8190);
}

TEST(LargeDisplay, TextsAndLamps) {
    RecordedFrame f;
    f.Byte11Bits[4] = 1;  // knock sensor: the third lamp
    f.Byte12Bits[7] = 1;  // Te1-E1: the last
    const Shown s = Show({{1, 40}, {4, 32}, {6, 237}}, f);
    const LargeDisplayValues v = LargeDisplayOf(s.frame, s.rows);
    EXPECT_EQ(v.Label36, "1.76l/h");
    EXPECT_EQ(v.Label37, "999.0l/100km");
    EXPECT_EQ(v.DataLabels[0], "5.000 msec");
    EXPECT_EQ(v.DataLabels[5], "99.0 deg.C");
    EXPECT_EQ(v.Label34, "1 / 1");
    for (int j = 0; j < 12; ++j)
        EXPECT_EQ(v.Lamps[static_cast<std::size_t>(j)], j == 2 || j == 11) << j;
}

TEST(DrivingGauges, TachometerTurnsYellowAbove6000) {
    const Shown at6000 = Show({{4, 240}});
    EXPECT_EQ(at6000.gauges.KroTacho1Position, 6000);
    EXPECT_EQ(at6000.gauges.KroTacho1Color, kColourBlue);
    EXPECT_FALSE(at6000.gauges.KroTacho1Digit.IsInteger);
    EXPECT_EQ(at6000.gauges.KroTacho1Digit.Real, 6000);
    const Shown at6025 = Show({{4, 241}});
    EXPECT_EQ(at6025.gauges.KroTacho1Position, 6025);
    EXPECT_EQ(at6025.gauges.KroTacho1Color, kColourYellow);
}

TEST(DrivingGauges, CoolantPointerWithTheEngineTurning) {
    struct Case {
        std::uint8_t v;
        double position;
        std::uint32_t colour;
    };
    const Case cases[] = {{237, 99.0, kColourGreen}, {238, 103.0, kColourRed},
                          {229, 82.1, kColourGreen}, {228, 80.0, kColourBlue},
                          {255, 240.0, kColourRed},  {100, 6.8, kColourBlue}};
    for (const Case& c : cases) {
        const DrivingGauges g = Show({{4, 30}, {6, c.v}}).gauges;
        EXPECT_DOUBLE_EQ(g.KroTacho3Position, c.position) << int{c.v};
        EXPECT_EQ(g.KroTacho3Color, c.colour) << int{c.v};
        EXPECT_FALSE(g.KroTacho3Digit.IsInteger);
        EXPECT_DOUBLE_EQ(g.KroTacho3Digit.Real, c.position);  // the digits are not clamped
    }
}

TEST(DrivingGauges, StandingEngineRestsCoolantAndLamps) {
    RecordedFrame f;
    f.Byte11Bits.fill(1);
    const DrivingGauges g = Show({{4, 0}, {6, 240}}, f).gauges;
    EXPECT_FALSE(g.EngineTurning);
    EXPECT_EQ(ClampToGauge(g.KroTacho3Position, kKroTacho3Range), kKroTacho3Range.Min);
    EXPECT_EQ(g.KroTacho3Color, kColourBlue);
    EXPECT_TRUE(g.KroTacho3Digit.IsInteger);
    EXPECT_EQ(g.KroTacho3Digit.Integer, 0);
    for (std::uint32_t c : {g.KroLED1Color, g.KroLED2Color, g.KroLED3Color, g.KroLED4Color})
        EXPECT_EQ(c, kColourGrey);

    const DrivingGauges turning = Show({{4, 1}}, f).gauges;
    EXPECT_EQ(turning.KroLED1Color, kColourRed);
    EXPECT_EQ(turning.KroLED2Color, kColourRed);
    EXPECT_EQ(turning.KroLED3Color, kColourGreen);
    EXPECT_EQ(turning.KroLED4Color, kColourRed);
    RecordedFrame knockOnly;
    knockOnly.Byte11Bits[4] = 1;
    const DrivingGauges knock = Show({{4, 1}}, knockOnly).gauges;
    EXPECT_EQ(knock.KroLED4Color, kColourRed);
    EXPECT_EQ(knock.KroLED1Color, kColourGrey);
    EXPECT_EQ(knock.KroLED3Color, kColourGrey);
}

// Each shown flag set alone, with the engine turning: its own bytes column item and large
// display lamp, and the one driving-parameters lamp that shows it.
TEST(DrivingGauges, EachFlagBitLightsItsOwnLamps) {
    struct Case {
        int byte, bit;
        std::array<std::uint32_t, 4> leds;  // KroLED1..KroLED4
    };
    constexpr std::uint32_t G = kColourGrey;
    const Case cases[] = {
        {11, 0, {kColourRed, G, G, G}}, {11, 1, {G, G, G, G}},
        {11, 4, {G, G, G, kColourRed}}, {11, 5, {G, G, kColourGreen, G}},
        {11, 6, {G, kColourRed, G, G}}, {12, 0, {G, G, G, G}},
        {12, 1, {G, G, G, G}},          {12, 2, {G, G, G, G}},
        {12, 3, {G, G, G, G}},          {12, 4, {G, G, G, G}},
        {12, 5, {G, G, G, G}},          {12, 7, {G, G, G, G}},
    };
    for (std::size_t j = 0; j < std::size(cases); ++j) {
        const Case& c = cases[j];
        RecordedFrame f;
        (c.byte == 11 ? f.Byte11Bits : f.Byte12Bits)[static_cast<std::size_t>(c.bit)] = 1;
        const Shown s = Show({{4, 30}}, f);
        const auto items = BytesColumnOf(s.frame);
        const LargeDisplayValues large = LargeDisplayOf(s.frame, s.rows);
        for (std::size_t k = 0; k < 12; ++k) {
            EXPECT_EQ(items[11 + k], k == j ? "1" : "0") << c.byte << "." << c.bit << " item " << k;
            EXPECT_EQ(large.Lamps[k], k == j) << c.byte << "." << c.bit << " lamp " << k;
        }
        const std::array<std::uint32_t, 4> leds = {s.gauges.KroLED1Color, s.gauges.KroLED2Color,
                                                   s.gauges.KroLED3Color, s.gauges.KroLED4Color};
        EXPECT_EQ(leds, c.leds) << c.byte << "." << c.bit;
    }
}

TEST(DrivingGauges, PressureGaugeAndItsDigits) {
    const DrivingGauges at20 = Show({{5, 20}}).gauges;
    EXPECT_EQ(ClampToGauge(at20.KroTacho4Position, kKroTacho4Range), 100);
    EXPECT_TRUE(at20.KroTacho4Digit.IsInteger);
    EXPECT_EQ(at20.KroTacho4Digit.Integer, 0);
    const DrivingGauges at21 = Show({{5, 21}}).gauges;
    EXPECT_DOUBLE_EQ(at21.KroTacho4Position, 102.606);
    EXPECT_FALSE(at21.KroTacho4Digit.IsInteger);
    EXPECT_DOUBLE_EQ(at21.KroTacho4Digit.Real, 102.606);
    const DrivingGauges at255 = Show({{5, 255}}).gauges;
    EXPECT_EQ(at255.KroTacho4Digit.Real, 800);
}

TEST(DrivingGauges, SpeedThrottleIgnitionAndValveWhateverTheUnits) {
    RecordedFrame f;
    f.DataBytes = {0, 63, 51, 0, 0, 0, 30, 200, 0, 0};
    ConversionSettings s;
    s.DZ = 2;
    s.KHH = 2;
    const DrivingGauges g = DrivingGaugesOf(f, BuildParameterRows(f, 1, 1, s, DisplayLocale{}));
    EXPECT_EQ(g.KroTacho2Position, 200);
    EXPECT_EQ(g.KroTacho2Digit.Real, 180);  // read back from the clamped gauge
    EXPECT_EQ(g.KroTacho7Position, static_cast<double>(63 * 0.47L - 30));
    EXPECT_DOUBLE_EQ(g.KroTacho6Position, 20);
    EXPECT_DOUBLE_EQ(g.KroTacho5Position, 15);
}

TEST(DrivingGauges, FuelGauge) {
    struct Case {
        std::initializer_list<std::pair<int, std::uint8_t>> bytes;
        double position;
        std::uint32_t colour;
    };
    const Case cases[] = {
        {{{1, 40}, {4, 32}, {8, 60}}, 3, kColourBlue},    // K 2.93
        {{{1, 40}, {4, 32}, {8, 0}}, 2, kColourBlue},     // standing: L 1.76
        {{{1, 255}, {4, 255}, {8, 0}}, 90, kColourRed},   // L 89.4: at the maximum
        {{{1, 120}, {4, 120}, {8, 0}}, 20, kColourRed},   // L 19.8: just at the maximum
        {{{1, 115}, {4, 115}, {8, 0}}, 19, kColourBlue},  // L 18.18: just below it
        {{{1, 100}, {4, 100}, {8, 0}}, 14, kColourBlue},  // L 13.75
        {{{1, 40}, {4, 32}, {8, 1}}, 176, kColourRed},
    };
    for (const Case& c : cases) {
        const DrivingGauges g = Show(c.bytes).gauges;
        EXPECT_EQ(g.KroTacho8Position, c.position);
        EXPECT_EQ(g.KroTacho8Color, c.colour) << c.position;
    }
    const Shown s = Show({{1, 40}, {4, 32}, {8, 60}});
    EXPECT_EQ(s.gauges.Label12, "1.76");
    EXPECT_EQ(s.gauges.Label13, "2.9");
    EXPECT_EQ(s.gauges.Label6, "1 / 1");
}

TEST(MainWindowLayout, WidthsAndColumns) {
    struct Case {
        bool bytes, references;
        int width;
        std::optional<std::array<int, 3>> lists, buttons;
    };
    const Case cases[] = {
        {false, false, 336, {}, {}},
        {true, false, 435, {}, {}},
        {false, true, 627, std::array{331, 427, 523}, std::array{341, 437, 534}},
        {true, true, 729, std::array{429, 527, 625}, std::array{441, 537, 633}},
    };
    for (const Case& c : cases) {
        const MainWindowLayout l = MainWindowLayoutFor(c.bytes, c.references, 20);
        EXPECT_EQ(l.Width, c.width);
        EXPECT_EQ(l.Edit1Width, c.width - 7);
        EXPECT_EQ(l.ScrollBar1Width, c.width - 29);
        EXPECT_EQ(l.BytesVisible, c.bytes);
        EXPECT_EQ(l.ReferencesVisible, c.references);
        EXPECT_EQ(l.ReferenceListLefts, c.lists);
        EXPECT_EQ(l.ReferenceButtonLefts, c.buttons);
    }
}

TEST(ChartParameters, IndexOutsideTheListIsNoCurve) {
    for (int i : {-1, 22, 23, 1000}) EXPECT_EQ(ChartParameterOf(i).Source, ChartSource::None) << i;
    for (int i = 0; i < kNoCurve; ++i) EXPECT_EQ(ChartParameterOf(i).Row, i + 1);
}
