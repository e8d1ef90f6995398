#include "monitor/core/parameter_rows.h"

#include <charconv>

#include "monitor/core/chart_parameters.h"
#include "monitor/core/format_fixed.h"

namespace velmorant {

namespace {

constexpr std::string_view kFixedCaptions[kParameterRowCount] = {
    "Identifier:",
    "1.А  Injection time:",
    "2.А  Ignition timing angle:",
    {},  // by KHH
    "4.А  Engine speed:",
    {},  // by Vozduh
    {},  // by Temperature
    {},  // by DZ
    "8.А  Vehicle speed:",
    "9.А  Target Air/Fuel (left):",
    "10.А  Target Air/Fuel (right - for V6):",
    "11.0  Enrichment after engine start:",
    "11.1  Warming enrichment:",
    "11.4  Knock sensor (detonation):",
    "11.5  Feedback:",
    "11.6  Additional enrichment:",
    "12.0  Starter:",
    "12.1  Idle switch:",
    "12.2  A/C:",
    "12.3  Park/Neutral switch:",
    "12.4  O2 sensor (left):",
    {},  // by variant
    "12.7  Te1->E1:",
    "Approx. fuel flow rate, l/h:",
    "Approx. fuel flow rate, l/100km:",
    "",
    "Frame/Total:",
    "Time:",
};

constexpr std::string_view kMonitorRow5Captions[6] = {
    "5.А  MAP, kPa:",         "5.А  MAP, mm.of Hg.:", "5.А  MAP-T, kPa:",
    "5.А  MAP-T, mm.of Hg.:", "5.А  MAF, gr/sec:",    "5.А  VAF, V:"};
constexpr std::string_view kViewerRow5Captions[6] = {
    "5.А  MAP, kPa:",       "5.А  MAP, mm.of Hg.:",
    "5.А  MAP-Turbo, kPa:", "5.А  MAP-Turbo, mm.of Hg.:",
    "5.А  MAF, gr/sec:",    "5.А  VAF, V:"};
// Only a hand-edited settings file holds another Vozduh; the large display names the row so.
constexpr std::string_view kRow5OtherCaption = "5.А  MAP/MAF:";

std::string_view Row3Caption(int khh) {
    if (khh == 1) return "3.А  IAC Valve duty rate (% from 255):";
    if (khh == 2) return "3.А  IAC Valve duty rate (step):";
    return "3.А  IAC Valve duty rate :";
}

std::string_view Row5Caption(int vozduh, RowsVariant variant) {
    if (vozduh < 1 || vozduh > 6) return kRow5OtherCaption;
    const auto& captions =
        variant == RowsVariant::Viewer ? kViewerRow5Captions : kMonitorRow5Captions;
    return captions[vozduh - 1];
}

// Any Temperature other than 1 converts as an inverse sensor, and the caption says so.
std::string_view Row6Caption(int temperature, RowsVariant variant) {
    if (temperature == 1) return "6.А  Coolant temperature (direct):";
    return variant == RowsVariant::Viewer ? "6.А  Coolant temperature (inverce):"
                                          : "6.А  Coolant temperature (inverse):";
}

std::string_view Row7Caption(int dz) {
    if (dz == 1) return "7.А  Throttle/Pedal position, degrees:";
    if (dz == 2) return "7.А  Throttle/Pedal position, %:";
    return "7.А  Throttle/Pedal position";
}

// A number row: the value with its digits and unit, or nothing for a setting outside its list.
struct RowNumber {
    bool defined = false;
    long double value = 0;
    int p = 3;
    int d = 1;
    std::string_view unit;
};

RowNumber Number(long double value, int p, int d, std::string_view unit) {
    return {true, value, p, d, unit};
}

RowNumber AirFuel(std::uint8_t b, int korr) {
    if (korr == 1) return Number((5 * b) / 256.0L, 3, 2, " V");
    if (korr == 2) return Number((20 * b) / 128.0L - 20, 3, 2, " %");
    return {};
}

RowNumber DataRow(int row, const RecordedFrame& f, const ConversionSettings& s,
                  RowsVariant variant) {
    const auto b = [&f](int i) { return f.DataBytes[static_cast<std::size_t>(i - 1)]; };
    switch (row) {
        case 1:
            return Number(b(1) * 0.125L, 4, 3, " msec");
        case 2:
            return Number(b(2) * 0.47L - 30, 3, 1, " deg.");
        case 3:
            if (s.KHH == 1) return Number(b(3) / 255.0L * 100, 3, 1, " %");
            if (s.KHH == 2) return Number(b(3), 3, 0, " step");
            return {};
        case 4:
            return Number(b(4) * 25, 4, 0, " rpm");
        case 5:
            switch (s.Vozduh) {
                case 1:
                    return Number(b(5) * 0.6515L, 3, 1,
                                  variant == RowsVariant::Viewer ? " kPa" : " kPA");
                case 2:
                    return Number(b(5) * 4.886L, 4, 0, " mm.of Hg.");
                case 3:
                    return Number(b(5) * 0.97L, 3, 1, " kPa");
                case 4:
                    return Number(b(5) * 7.732L, 4, 0, " mm.of Hg.");
                case 5:
                    return Number(2 * b(5), 3, 1, " gr/sec");
                case 6:
                    return Number(b(5) / 255.0L * 5, 3, 2, " V");
                default:
                    return {};
            }
        case 7:
            if (s.DZ == 1) return Number(b(7) / 2.0L, 3, 1, " deg.");
            if (s.DZ == 2) return Number(b(7) / 1.8L, 3, 1, " %");
            return {};
        case 8:
            return Number(b(8), 3, 0, " km/h");
        case 9:
            return AirFuel(b(9), s.Korr);
        case 10:
            return AirFuel(b(10), s.Korr);
        default:
            return {};
    }
}

void AppendInt(std::string& out, long long v) {
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, r.ptr);
}

}  // namespace

int CoolantSensorValue(std::uint8_t b6, int temperature) {
    return temperature == 1 ? b6 : 255 - b6;
}

long double CoolantTable(int v) {
    if (v <= 14) return 2 * (v - 5) - 60;
    if (v <= 38) return (v - 15) * 0.83L - 40;
    if (v <= 81) return (v - 39) * 0.47L - 20;
    if (v <= 134) return (v - 82) * 0.38L;
    if (v <= 179) return (v - 135) * 0.44L + 20;
    if (v <= 209) return (v - 180) * 0.67L + 40;
    if (v <= 227) return (v - 210) * 1.11L + 60;
    if (v <= 236) return (v - 228) * 2.11L + 80;
    if (v <= 242) return (v - 237) * 3.83L + 99;
    return (v - 243) * 9.8L + 122;
}

long double ShownCoolantTemperature(const RecordedFrame& frame, const ConversionSettings& s) {
    const int v = CoolantSensorValue(frame.DataBytes[5], s.Temperature);
    return ReadFixed(FormatFixed(CoolantTable(v), 3, 1, '.'), '.').value_or(0);
}

FuelFlow FuelFlowOf(std::uint8_t b1, std::uint8_t b4, std::uint8_t b8,
                    const ConversionSettings& s) {
    // A 32-bit signed product; a hand-edited setting far outside its range wraps around
    // instead of overflowing.
    std::uint32_t product = b1;
    for (int factor : {static_cast<int>(b4), s.ChastFors, s.KolFors, s.PrFors})
        product *= static_cast<std::uint32_t>(factor);
    const std::int32_t f = static_cast<std::int32_t>(product);
    FuelFlow flow;
    flow.PerHour = f * 0.00000625L;
    flow.Per100Km = b8 == 0 ? 999.0L : flow.PerHour * 100 / b8;
    return flow;
}

void BuildParameterRows(const RecordedFrame& frame, int frameNumber, int frameTotal,
                        const ConversionSettings& s, const DisplayLocale& locale,
                        RowsVariant variant, ParameterRows& rows) {
    const char sep = locale.DecimalSeparator;
    for (int i = 0; i < kParameterRowCount; ++i) {
        rows.Captions[static_cast<std::size_t>(i)] = kFixedCaptions[i];
        rows.Values[static_cast<std::size_t>(i)].clear();
    }
    rows.Captions[3] = Row3Caption(s.KHH);
    rows.Captions[5] = Row5Caption(s.Vozduh, variant);
    rows.Captions[6] = Row6Caption(s.Temperature, variant);
    rows.Captions[7] = Row7Caption(s.DZ);
    rows.Captions[21] = variant == RowsVariant::Viewer ? "12.5  O2 sensor (right - for V6):"
                                                       : "12.5  O2 sensor (right - for V6)";

    for (std::uint8_t bit : frame.IdentBits) rows.Values[0].push_back(bit != 0 ? '1' : '0');

    for (int row = 1; row <= 10; ++row) {
        std::string& value = rows.Values[static_cast<std::size_t>(row)];
        if (row == 6) {
            const int v = CoolantSensorValue(frame.DataBytes[5], s.Temperature);
            AppendFixed(value, CoolantTable(v), 3, 1, sep);
            // The number as shown, so the charts' mark and the gauge agree with the text.
            rows.CoolantTemperature = ShownCoolantTemperature(frame, s);
            value += variant == RowsVariant::Viewer ? " deg.С" : " deg.C";
            continue;
        }
        const RowNumber n = DataRow(row, frame, s, variant);
        if (!n.defined) continue;
        AppendFixed(value, n.value, n.p, n.d, sep);
        value += n.unit;
    }

    for (int j = 0; j < kFlagCount; ++j) {
        const ChartParameter& p = kChartParameters[static_cast<std::size_t>(kFirstFlagIndex + j)];
        rows.Values[static_cast<std::size_t>(p.Row)] =
            FlagIsSet(frame, p) ? p.SetWord : p.ClearWord;
    }

    const FuelFlow fuel = FuelFlowOf(frame.DataBytes[0], frame.DataBytes[3], frame.DataBytes[7], s);
    rows.FuelPerHour = fuel.PerHour;
    rows.FuelPer100Km = fuel.Per100Km;
    AppendFixed(rows.Values[23], fuel.PerHour, 4, 2, sep);
    AppendFixed(rows.Values[24], fuel.Per100Km, 3, 1, sep);

    AppendInt(rows.Values[26], frameNumber);
    rows.Values[26] += " / ";
    AppendInt(rows.Values[26], frameTotal);
    rows.Values[27] = FormatTimeOfDay(frame.StoredAt, locale.Time);
}

ParameterRows BuildParameterRows(const RecordedFrame& frame, int frameNumber, int frameTotal,
                                 const ConversionSettings& settings, const DisplayLocale& locale,
                                 RowsVariant variant) {
    ParameterRows rows;
    BuildParameterRows(frame, frameNumber, frameTotal, settings, locale, variant, rows);
    return rows;
}

}  // namespace velmorant
