#include "monitor/core/parameter_rows.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "monitor/core/date_time.h"
#include "monitor/core/format_fixed.h"

using namespace velmorant;

namespace {

const DisplayLocale kLocale{};

RecordedFrame FrameWithByte(int byte, std::uint8_t value) {
    RecordedFrame f;
    f.DataBytes[static_cast<std::size_t>(byte - 1)] = value;
    return f;
}

std::string Value(const RecordedFrame& f, int row, const ConversionSettings& s = {},
                  RowsVariant variant = RowsVariant::Monitor) {
    return BuildParameterRows(f, 1, 1, s, kLocale, variant).Values[static_cast<std::size_t>(row)];
}

std::string Caption(int row, const ConversionSettings& s,
                    RowsVariant variant = RowsVariant::Monitor) {
    return std::string(BuildParameterRows(RecordedFrame{}, 1, 1, s, kLocale, variant)
                           .Captions[static_cast<std::size_t>(row)]);
}

}  // namespace

TEST(ParameterRows, AllZeroFrameWithDefaultSettings) {
    const char* expected[kParameterRowCount][2] = {
        {"Identifier:", "000000000000"},
        {"1.А  Injection time:", "0.000 msec"},
        {"2.А  Ignition timing angle:", "-30.0 deg."},
        {"3.А  IAC Valve duty rate (% from 255):", "0.0 %"},
        {"4.А  Engine speed:", "0 rpm"},
        {"5.А  MAP, kPa:", "0.0 kPA"},
        {"6.А  Coolant temperature (direct):", "-70.0 deg.C"},
        {"7.А  Throttle/Pedal position, degrees:", "0.0 deg."},
        {"8.А  Vehicle speed:", "0 km/h"},
        {"9.А  Target Air/Fuel (left):", "0.00 V"},
        {"10.А  Target Air/Fuel (right - for V6):", "0.00 V"},
        {"11.0  Enrichment after engine start:", "Off"},
        {"11.1  Warming enrichment:", "No"},
        {"11.4  Knock sensor (detonation):", "No"},
        {"11.5  Feedback:", "Off"},
        {"11.6  Additional enrichment:", "Off"},
        {"12.0  Starter:", "Off"},
        {"12.1  Idle switch:", "Opened"},
        {"12.2  A/C:", "Off"},
        {"12.3  Park/Neutral switch:", "Off"},
        {"12.4  O2 sensor (left):", "Lean"},
        {"12.5  O2 sensor (right - for V6)", "Lean"},
        {"12.7  Te1->E1:", "No"},
        {"Approx. fuel flow rate, l/h:", "0.00"},
        {"Approx. fuel flow rate, l/100km:", "999.0"},
        {"", ""},
        {"Frame/Total:", "1 / 1"},
        {"Time:", "0:00:00"},
    };
    const ParameterRows rows =
        BuildParameterRows(RecordedFrame{}, 1, 1, ConversionSettings{}, kLocale);
    for (int i = 0; i < kParameterRowCount; ++i) {
        EXPECT_EQ(rows.Captions[static_cast<std::size_t>(i)], expected[i][0]) << "row " << i;
        EXPECT_EQ(rows.Values[static_cast<std::size_t>(i)], expected[i][1]) << "row " << i;
    }
    EXPECT_EQ(rows.CoolantTemperature, -70.0L);
    EXPECT_EQ(rows.FuelPer100Km, 999.0L);
}

TEST(ParameterRows, CaptionsAreCp1251) {
    const std::string caption = Caption(1, {});
    ASSERT_EQ(caption.size(), 20u);
    EXPECT_EQ(static_cast<unsigned char>(caption[2]), 0xC0);
}

TEST(ParameterRows, DataByteConversions) {
    struct Case {
        int byte;
        std::uint8_t value;
        ConversionSettings settings;
        const char* text;
    };
    ConversionSettings korr2;
    korr2.Korr = 2;
    const auto vozduh = [](int v) {
        ConversionSettings s;
        s.Vozduh = v;
        return s;
    };
    ConversionSettings khh2, dz2;
    khh2.KHH = 2;
    dz2.DZ = 2;
    const Case cases[] = {
        {1, 79, {}, "9.875 msec"},
        {1, 80, {}, "10.000 msec"},
        {1, 255, {}, "31.880 msec"},
        {2, 5, {}, "-27.7 deg."},
        {2, 63, {}, "-0.4 deg."},
        {2, 255, {}, "89.9 deg."},
        {3, 100, {}, "39.2 %"},
        {3, 255, {}, "100.0 %"},
        {3, 100, khh2, "100 step"},
        {4, 255, {}, "6375 rpm"},
        {5, 100, vozduh(1), "65.2 kPA"},
        {5, 100, vozduh(2), "489 mm.of Hg."},
        {5, 100, vozduh(3), "97.0 kPa"},
        {5, 100, vozduh(4), "773 mm.of Hg."},
        {5, 255, vozduh(4), "1972 mm.of Hg."},
        {5, 100, vozduh(5), "200.0 gr/sec"},
        {5, 255, vozduh(5), "510.0 gr/sec"},
        {5, 100, vozduh(6), "1.96 V"},
        {7, 100, {}, "50.0 deg."},
        {7, 100, dz2, "55.6 %"},
        {8, 255, {}, "255 km/h"},
        {9, 26, {}, "0.51 V"},
        {9, 26, korr2, "-15.90 %"},
        {9, 128, korr2, "0.00 %"},
        {10, 26, korr2, "-15.90 %"},
        {10, 255, {}, "4.98 V"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Value(FrameWithByte(c.byte, c.value), c.byte, c.settings), c.text)
            << "byte " << c.byte << " = " << int{c.value};
}

TEST(ParameterRows, CoolantTableForBothSensorKinds) {
    struct Case {
        std::uint8_t v;
        const char* text;
    };
    const Case cases[] = {
        {0, "-70.0"},   {14, "-42.0"}, {15, "-40.0"},  {38, "-20.9"},  {39, "-20.0"},
        {81, "-0.3"},   {82, "0.0"},   {134, "19.8"},  {135, "20.0"},  {179, "39.4"},
        {180, "40.0"},  {209, "59.4"}, {210, "60.0"},  {227, "78.9"},  {228, "80.0"},
        {236, "96.9"},  {237, "99.0"}, {242, "118.0"}, {243, "122.0"}, {250, "191.0"},
        {255, "240.0"},
    };
    ConversionSettings inverse;
    inverse.Temperature = 2;
    for (const Case& c : cases) {
        const std::string text = std::string(c.text);
        const ParameterRows direct = BuildParameterRows(FrameWithByte(6, c.v), 1, 1, {}, kLocale);
        EXPECT_EQ(direct.Values[6], text + " deg.C") << int{c.v};
        EXPECT_EQ(direct.CoolantTemperature, *ReadFixed(text, '.')) << int{c.v};
        const auto inv = static_cast<std::uint8_t>(255 - c.v);
        EXPECT_EQ(Value(FrameWithByte(6, inv), 6, inverse), text + " deg.C") << int{inv};
    }
    // The value read back carries the text's rounding, whatever the separator.
    DisplayLocale comma;
    comma.DecimalSeparator = ',';
    const ParameterRows rows = BuildParameterRows(FrameWithByte(6, 236), 1, 1, {}, comma);
    EXPECT_EQ(rows.Values[6], "96,9 deg.C");
    EXPECT_EQ(rows.CoolantTemperature, 969.0L / 10);
}

TEST(ParameterRows, FuelFlow) {
    RecordedFrame f;
    f.DataBytes[0] = 40;  // injection time
    f.DataBytes[3] = 32;  // engine speed
    struct Case {
        std::uint8_t speed;
        const char* perHour;
        const char* per100Km;
    };
    const Case cases[] = {{0, "1.76", "999.0"}, {1, "1.76", "176.0"}, {60, "1.76", "2.9"}};
    for (const Case& c : cases) {
        f.DataBytes[7] = c.speed;
        const ParameterRows rows = BuildParameterRows(f, 1, 1, {}, kLocale);
        EXPECT_EQ(rows.Values[23], c.perHour) << int{c.speed};
        EXPECT_EQ(rows.Values[24], c.per100Km) << int{c.speed};
    }
    // 200 × 20 × 1 × 4 × 100 gives 10 l/h: exactly 1000 l/100km at 1 km/h.
    ConversionSettings s;
    s.PrFors = 100;
    f.DataBytes[0] = 200;
    f.DataBytes[3] = 20;
    f.DataBytes[7] = 1;
    EXPECT_EQ(BuildParameterRows(f, 1, 1, s, kLocale).Values[24], "1E3");
}

TEST(ParameterRows, FuelProductWrapsLikeA32BitInteger) {
    ConversionSettings s;
    s.PrFors = 100000;
    s.KolFors = 100000;
    s.ChastFors = 1;
    const FuelFlow flow = FuelFlowOf(255, 255, 0, s);
    const auto wrapped = static_cast<std::int32_t>(
        static_cast<std::uint32_t>(255LL * 255 * 100000 * 100000 % (1LL << 32)));
    EXPECT_EQ(flow.PerHour, wrapped * 0.00000625L);
    EXPECT_EQ(flow.Per100Km, 999.0L);
}

TEST(ParameterRows, CaptionsFollowTheUnitSettings) {
    const auto with = [](int vozduh, int temperature, int khh, int dz) {
        ConversionSettings s;
        s.Vozduh = vozduh;
        s.Temperature = temperature;
        s.KHH = khh;
        s.DZ = dz;
        return s;
    };
    struct Case {
        ConversionSettings s;
        int row;
        const char* caption;
    };
    const Case cases[] = {
        {with(2, 1, 1, 1), 5, "5.А  MAP, mm.of Hg.:"},
        {with(3, 1, 1, 1), 5, "5.А  MAP-T, kPa:"},
        {with(4, 1, 1, 1), 5, "5.А  MAP-T, mm.of Hg.:"},
        {with(5, 1, 1, 1), 5, "5.А  MAF, gr/sec:"},
        {with(6, 1, 1, 1), 5, "5.А  VAF, V:"},
        {with(7, 1, 1, 1), 5, "5.А  MAP/MAF:"},
        {with(1, 2, 1, 1), 6, "6.А  Coolant temperature (inverse):"},
        {with(1, 0, 1, 1), 6, "6.А  Coolant temperature (inverse):"},
        {with(1, 1, 2, 1), 3, "3.А  IAC Valve duty rate (step):"},
        {with(1, 1, 3, 1), 3, "3.А  IAC Valve duty rate :"},
        {with(1, 1, 1, 2), 7, "7.А  Throttle/Pedal position, %:"},
        {with(1, 1, 1, 0), 7, "7.А  Throttle/Pedal position"},
    };
    for (const Case& c : cases) EXPECT_EQ(Caption(c.row, c.s), c.caption);
}

TEST(ParameterRows, SettingsOutsideTheirListsLeaveValuesEmpty) {
    ConversionSettings s;
    s.KHH = 0;
    s.Vozduh = 7;
    s.DZ = 3;
    s.Korr = 0;
    s.Temperature = 5;  // converts as an inverse sensor
    RecordedFrame f;
    f.DataBytes.fill(100);
    // Built into rows that held a full frame before: nothing of it may remain.
    ParameterRows rows = BuildParameterRows(f, 1, 1, {}, kLocale);
    BuildParameterRows(f, 1, 1, s, kLocale, RowsVariant::Monitor, rows);
    for (int row : {3, 5, 7, 9, 10})
        EXPECT_EQ(rows.Values[static_cast<std::size_t>(row)], "") << row;
    EXPECT_EQ(rows.Values[6], "28.8 deg.C");  // v = 155
}

TEST(ParameterRows, FlagsIdentifierFrameAndTime) {
    RecordedFrame f;
    f.IdentBits[0] = 1;
    f.IdentBits[11] = 1;
    f.Byte11Bits = {1, 1, 0, 0, 1, 1, 1, 0};
    f.Byte12Bits = {1, 1, 1, 1, 1, 1, 0, 1};
    f.StoredAt = EncodeDateTime(2026, 12, 10, 19, 5, 9, 400);
    DisplayLocale locale;
    locale.Time.LongTimeFormat = "h:mm:ss tt";
    const ParameterRows rows = BuildParameterRows(f, 75, 150, {}, locale);
    EXPECT_EQ(rows.Values[0], "100000000001");
    const char* words[] = {"On",     "Yes", "Yes", "On",   "On",   "On",
                           "Closed", "On",  "On",  "Rich", "Rich", "Yes"};
    for (int j = 0; j < 12; ++j) EXPECT_EQ(rows.Values[static_cast<std::size_t>(11 + j)], words[j]);
    EXPECT_EQ(rows.Values[26], "75 / 150");
    EXPECT_EQ(rows.Values[27], "7:05:09 PM");
    // The bits not shown change nothing.
    RecordedFrame hidden;
    hidden.Byte11Bits = {0, 0, 1, 1, 0, 0, 0, 1};
    hidden.Byte12Bits = {0, 0, 0, 0, 0, 0, 1, 0};
    const ParameterRows clear = BuildParameterRows(hidden, 1, 1, {}, kLocale);
    const ParameterRows zero = BuildParameterRows(RecordedFrame{}, 1, 1, {}, kLocale);
    EXPECT_EQ(clear.Values, zero.Values);
}

// Each shown flag set alone names its own row with the word for a set bit; every other flag
// row keeps the word for a clear one.
TEST(ParameterRows, EachFlagBitNamesItsOwnRow) {
    struct Case {
        int byte, bit, row;
        const char* set;
    };
    const Case cases[] = {
        {11, 0, 11, "On"}, {11, 1, 12, "Yes"},  {11, 4, 13, "Yes"},    {11, 5, 14, "On"},
        {11, 6, 15, "On"}, {12, 0, 16, "On"},   {12, 1, 17, "Closed"}, {12, 2, 18, "On"},
        {12, 3, 19, "On"}, {12, 4, 20, "Rich"}, {12, 5, 21, "Rich"},   {12, 7, 22, "Yes"},
    };
    const ParameterRows zero = BuildParameterRows(RecordedFrame{}, 1, 1, {}, kLocale);
    for (const Case& c : cases) {
        RecordedFrame f;
        (c.byte == 11 ? f.Byte11Bits : f.Byte12Bits)[static_cast<std::size_t>(c.bit)] = 1;
        const ParameterRows rows = BuildParameterRows(f, 1, 1, {}, kLocale);
        for (int row = 11; row <= 22; ++row)
            EXPECT_EQ(rows.Values[static_cast<std::size_t>(row)],
                      row == c.row ? c.set : zero.Values[static_cast<std::size_t>(row)])
                << "bit " << c.byte << "." << c.bit << ", row " << row;
    }
}

TEST(ParameterRows, ViewerVariant) {
    ConversionSettings s;
    RecordedFrame f = FrameWithByte(5, 100);
    EXPECT_EQ(Value(f, 5, s, RowsVariant::Viewer), "65.2 kPa");
    EXPECT_EQ(Caption(5, s, RowsVariant::Viewer), "5.А  MAP, kPa:");
    s.Vozduh = 3;
    EXPECT_EQ(Caption(5, s, RowsVariant::Viewer), "5.А  MAP-Turbo, kPa:");
    s.Vozduh = 4;
    EXPECT_EQ(Caption(5, s, RowsVariant::Viewer), "5.А  MAP-Turbo, mm.of Hg.:");
    s.Temperature = 2;
    EXPECT_EQ(Caption(6, s, RowsVariant::Viewer), "6.А  Coolant temperature (inverce):");
    const std::string coolant = Value(FrameWithByte(6, 173), 6, s, RowsVariant::Viewer);
    EXPECT_EQ(coolant, "0.0 deg.С");
    EXPECT_EQ(static_cast<unsigned char>(coolant.back()), 0xD1);
    EXPECT_EQ(Caption(21, s, RowsVariant::Viewer), "12.5  O2 sensor (right - for V6):");
    // Everything else is the main program's.
    RecordedFrame any;
    for (int i = 0; i < 10; ++i)
        any.DataBytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(37 * i + 11);
    any.Byte12Bits[5] = 1;
    const ParameterRows m = BuildParameterRows(any, 3, 9, {}, kLocale, RowsVariant::Monitor);
    const ParameterRows v = BuildParameterRows(any, 3, 9, {}, kLocale, RowsVariant::Viewer);
    for (int i = 0; i < kParameterRowCount; ++i) {
        if (i == 5 || i == 6 || i == 21) continue;
        EXPECT_EQ(m.Captions[static_cast<std::size_t>(i)], v.Captions[static_cast<std::size_t>(i)])
            << i;
        EXPECT_EQ(m.Values[static_cast<std::size_t>(i)], v.Values[static_cast<std::size_t>(i)])
            << i;
    }
}
