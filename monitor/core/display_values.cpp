#include "monitor/core/display_values.h"

#include <cmath>

#include "monitor/core/chart_parameters.h"

namespace velmorant {

namespace {

DigitValue Real(double v) {
    return {false, 0, v};
}

bool Flag(const RecordedFrame& f, int byte, int bit) {
    const auto& bits = byte == 11 ? f.Byte11Bits : f.Byte12Bits;
    return bits[static_cast<std::size_t>(bit)] != 0;
}

}  // namespace

int IdentifierValue(const RecordedFrame& frame) {
    int value = 0;
    for (int k = 1; k <= 12; ++k)
        if (frame.IdentBits[static_cast<std::size_t>(k - 1)] != 0) value += 1 << k;
    return value;
}

std::array<std::string, kBytesColumnCount> BytesColumnOf(const RecordedFrame& frame) {
    std::array<std::string, kBytesColumnCount> items;
    items[0] = std::to_string(IdentifierValue(frame));
    for (int i = 1; i <= 10; ++i)
        items[static_cast<std::size_t>(i)] =
            std::to_string(frame.DataBytes[static_cast<std::size_t>(i - 1)]);
    for (int j = 0; j < kFlagCount; ++j)
        items[static_cast<std::size_t>(11 + j)].assign(1, ShownFlag(frame, j) ? '1' : '0');
    return items;
}

LargeDisplayValues LargeDisplayOf(const RecordedFrame& frame, const ParameterRows& rows) {
    LargeDisplayValues v;
    v.Label36 = rows.Values[23] + "l/h";
    v.Label37 = rows.Values[24] + "l/100km";
    for (int i = 1; i <= 10; ++i)
        v.DataLabels[static_cast<std::size_t>(i - 1)] = rows.Values[static_cast<std::size_t>(i)];
    for (int j = 0; j < kFlagCount; ++j) v.Lamps[static_cast<std::size_t>(j)] = ShownFlag(frame, j);
    v.Label34 = rows.Values[26];
    return v;
}

double ClampToGauge(double position, GaugeRange range) {
    if (position < range.Min) position = range.Min;
    if (position > range.Max) position = range.Max;
    return position;
}

DrivingGauges DrivingGaugesOf(const RecordedFrame& frame, const ParameterRows& rows) {
    const auto b = [&frame](int i) { return frame.DataBytes[static_cast<std::size_t>(i - 1)]; };
    DrivingGauges g;

    g.KroTacho1Position = b(4) * 25;
    const double rpm = ClampToGauge(g.KroTacho1Position, kKroTacho1Range);
    g.KroTacho1Color = rpm > 6000 ? kColourYellow : kColourBlue;
    g.EngineTurning = rpm > 0;
    g.KroTacho1Digit = Real(rpm);

    g.KroTacho2Position = b(8);
    g.KroTacho2Digit = Real(ClampToGauge(g.KroTacho2Position, kKroTacho2Range));

    if (g.EngineTurning) {
        const double coolant = static_cast<double>(rows.CoolantTemperature);
        g.KroTacho3Position = coolant;
        const double shown = ClampToGauge(coolant, kKroTacho3Range);
        g.KroTacho3Color = shown > 100 ? kColourRed : shown > 80 ? kColourGreen : kColourBlue;
        g.KroTacho3Digit = Real(coolant);
    } else {
        g.KroTacho3Position = 0;
        g.KroTacho3Color = kColourBlue;
        g.KroTacho3Digit = DigitValue{};
    }

    const long double fuel = rows.FuelPer100Km != 999 ? rows.FuelPer100Km : rows.FuelPerHour;
    g.KroTacho8Position = static_cast<double>(std::ceil(fuel));
    g.KroTacho8Color = ClampToGauge(g.KroTacho8Position, kKroTacho8Range) == kKroTacho8Range.Max
                           ? kColourRed
                           : kColourBlue;

    g.KroTacho7Position = static_cast<double>(b(2) * 0.47L - 30);
    g.KroTacho6Position = static_cast<double>(b(3) / 255.0L * 100);
    g.KroTacho5Position = static_cast<double>(b(7) / 2.0L);
    g.KroTacho4Position = static_cast<double>(b(5) * 4.886L);
    const double pressure = ClampToGauge(g.KroTacho4Position, kKroTacho4Range);
    g.KroTacho4Digit = pressure == kKroTacho4Range.Min ? DigitValue{} : Real(pressure);

    g.Label6 = rows.Values[26];
    g.Label12 = rows.Values[23];
    g.Label13 = rows.Values[24];

    const auto lamp = [&](int byte, int bit, std::uint32_t lit) {
        return g.EngineTurning && Flag(frame, byte, bit) ? lit : kColourGrey;
    };
    g.KroLED1Color = lamp(11, 0, kColourRed);
    g.KroLED2Color = lamp(11, 6, kColourRed);
    g.KroLED3Color = lamp(11, 5, kColourGreen);
    g.KroLED4Color = lamp(11, 4, kColourRed);
    return g;
}

}  // namespace velmorant
