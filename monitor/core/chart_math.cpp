#include "monitor/core/chart_math.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "monitor/core/chart_parameters.h"
#include "monitor/core/format_fixed.h"

namespace velmorant {

std::int64_t FloorExact(std::int64_t num, std::int64_t den) {
    std::int64_t q = num / den;
    if (num % den != 0 && num < 0) --q;
    return q;
}

std::int64_t CeilExact(std::int64_t num, std::int64_t den) {
    return -FloorExact(-num, den);
}

std::int64_t RoundHalfEvenExact(std::int64_t num, std::int64_t den) {
    const std::int64_t q = FloorExact(num, den);
    const std::int64_t twice = 2 * (num - q * den);  // 0 <= twice < 2 den
    if (twice > den) return q + 1;
    if (twice < den) return q;
    return q % 2 == 0 ? q : q + 1;
}

int ChartX(int q, int frames, int width) {
    return static_cast<int>(CeilExact(std::int64_t{width - 1} * q, frames - 1));
}

int MarkerX(int m, int frames, int width) {
    return static_cast<int>(FloorExact(std::int64_t{width - 1} * m, frames - 1));
}

namespace {

constexpr ChartScale kVozduhScales[] = {
    {"133kPa", "66kPa", "0kPa"},
    {"1000mm", "500mm", "0mm"},
    {"200kPa", "100kPa", "0kPa"},
    {"1500mm", "750mm", "0mm"},
    // 2 g/s a count with y = 199 - v: the top of the chart is raw 200, 400 g/s.
    {"400gr/sec", "200gr/sec", "0gr/sec"},
    {"5V", "2,5V", "0V"},
};

bool In(int value, int low, int high) {
    return value >= low && value <= high;
}

int Byte(const RecordedFrame& frame, int n) {
    return frame.DataBytes[static_cast<std::size_t>(n - 1)];
}

std::string Fixed(long double x, int p, int d, char sep) {
    return FormatFixed(x, p, d, sep);
}

std::string WithSuffix(long double x, int p, int d, char sep, std::string_view suffix) {
    std::string text = Fixed(x, p, d, sep);
    text += suffix;
    return text;
}

}  // namespace

std::optional<ChartScale> ChartScaleOf(int p, const ConversionSettings& s,
                                       const ChartTexts& texts) {
    switch (p) {
        case 0:
            return ChartScale{"30msec", "15msec", "0msec"};
        case 1:
            return ChartScale{texts.IgnitionScale[0], texts.IgnitionScale[1],
                              texts.IgnitionScale[2]};
        case 2:
            if (s.KHH == 1) return ChartScale{"100%", "50%", "0%"};
            if (s.KHH == 2) return ChartScale{"255step", "127step", "0step"};
            return std::nullopt;
        case 3:
            return ChartScale{"10000rpm", "5000rpm", "0rpm"};
        case 4:
            if (In(s.Vozduh, 1, 6)) return kVozduhScales[s.Vozduh - 1];
            return std::nullopt;
        case 5:
            return ChartScale{"150deg.C", "50deg.C", "-50deg.C"};
        case 6:
            if (s.DZ == 1) return ChartScale{"100gr", "50gr", "0gr"};
            if (s.DZ == 2) return ChartScale{"100%", "50%", "0%"};
            return std::nullopt;
        case 7:
            return ChartScale{"200km/h", "100km/h", "0km/h"};
        case 8:
        case 9:
            if (s.Korr == 1) return ChartScale{"5V", "2,5V", "0V"};
            if (s.Korr == 2) return ChartScale{"20%", "0%", "-20%"};
            return std::nullopt;
        default:
            if (!In(p, kFirstFlagIndex, kNoCurve - 1)) return std::nullopt;
            const ChartParameter& flag = ChartParameterOf(p);
            return ChartScale{flag.SetWord, "", flag.ClearWord};
    }
}

std::int64_t CoolantHundredths(int v) {
    if (v <= 14) return (2 * (v - 5) - 60) * 100;
    if (v <= 38) return (v - 15) * 83 - 4000;
    if (v <= 81) return (v - 39) * 47 - 2000;
    if (v <= 134) return (v - 82) * 38;
    if (v <= 179) return (v - 135) * 44 + 2000;
    if (v <= 209) return (v - 180) * 67 + 4000;
    if (v <= 227) return (v - 210) * 111 + 6000;
    if (v <= 236) return (v - 228) * 211 + 8000;
    if (v <= 242) return (v - 237) * 383 + 9900;
    return (v - 243) * 980 + 12200;
}

int ChartY(int p, const RecordedFrame& frame, const ConversionSettings& s) {
    if (p >= kFirstFlagIndex) return FlagIsSet(frame, ChartParameterOf(p)) ? 2 : 198;
    const std::int64_t v = Byte(frame, p + 1);
    std::int64_t y = 0;
    switch (p) {
        case 0:
            y = 199 - CeilExact(83 * v, 100);
            break;
        case 1:
            y = 99 - CeilExact(47 * v - 3000, 100);
            break;
        case 2:
        case 3:
        case 4:
        case 8:
        case 9:
            if (p == 3) {
                y = CeilExact(2 * 199 - v, 2);  // 199 - v / 2
            } else if (p == 4 && s.Vozduh != 6) {
                y = 199 - v;
            } else if (p == 8 || p == 9) {
                y = 199 - CeilExact(25 * v, 32);  // 199 - v / 1.28, the ceiling inside
            } else {
                y = CeilExact(199 * 32 - 25 * v, 32);  // the ceiling of 199 - v / 1.28
            }
            break;
        case 5:
            y = 149 - CeilExact(CoolantHundredths(CoolantSensorValue(static_cast<std::uint8_t>(v),
                                                                     s.Temperature)),
                                100);
            break;
        case 6:
            y = s.DZ == 2 ? RoundHalfEvenExact(19900 - 111 * v, 100) : 199 - v;
            break;
        case 7:
            y = 199 - v;
            break;
        default:
            break;
    }
    return static_cast<int>(y);
}

namespace {

// The volt value v = b * 5 / 256 of a target air/fuel byte: marked outside 1.25 .. 3.75,
// except 0 and what reads as 0.51.
bool VoltMark(long double v, char sep) {
    return (v > 3.75L || v < 1.25L) && v != 0 && Fixed(v, 3, 2, sep) != Fixed(0.51L, 3, 2, sep);
}

// The percent value of a target air/fuel byte: marked beyond 10 while the engine turns and
// is warm, except what reads as 15.90.
bool PercentMark(long double p, int engineSpeed, long double coolant, char sep) {
    const long double a = std::fabs(p);
    return a > 10 && engineSpeed != 0 && Fixed(a, 3, 2, sep) != Fixed(15.9L, 3, 2, sep) &&
           coolant > 80;
}

}  // namespace

std::optional<std::string> ChartValueText(int p, const RecordedFrame& frame,
                                          const ConversionSettings& s, long double coolant,
                                          char sep, const ChartTexts& texts) {
    if (p >= kFirstFlagIndex && p < kNoCurve) {
        const ChartParameter& flag = ChartParameterOf(p);
        return std::string(FlagIsSet(frame, flag) ? flag.SetWord : flag.ClearWord);
    }
    if (p < 0 || p >= kNoCurve) return std::nullopt;
    const long double b = Byte(frame, p + 1);
    switch (p) {
        case 0:
            return WithSuffix(b * 0.125L, 4, 3, sep, texts.InjectionSuffix);
        case 1:
            return WithSuffix(b * 0.47L - 30, 3, 1, sep, " deg.");
        case 2:
            if (s.KHH == 1) return WithSuffix(b / 255 * 100, 3, 1, sep, " %");
            if (s.KHH == 2) return WithSuffix(b, 3, 0, sep, " step");
            return std::nullopt;
        case 3:
            return WithSuffix(b * 25, 4, 0, sep, " rpm");
        case 4:
            switch (s.Vozduh) {
                case 1:
                    return WithSuffix(b * 0.6515L, 3, 1, sep, " kPa");
                case 2:
                    return WithSuffix(b * 4.886L, 4, 0, sep, " mm.of Hg.");
                case 3:
                    return WithSuffix(b * 0.97L, 3, 1, sep, " kPa");
                case 4:
                    return WithSuffix(b * 7.732L, 4, 0, sep, " mm.of Hg.");
                case 5:
                    return WithSuffix(b * 2, 4, 1, sep, " gr/sec");
                case 6:
                    return WithSuffix(b / 255 * 5, 3, 1, sep, " V");
                default:
                    return std::nullopt;
            }
        case 5: {
            const int n = CoolantSensorValue(static_cast<std::uint8_t>(b), s.Temperature);
            return WithSuffix(CoolantTable(n), 3, 1, sep, " deg.C");
        }
        case 6:
            if (s.DZ == 1) return WithSuffix(b / 2, 3, 1, sep, " deg.");
            if (s.DZ == 2) return WithSuffix(b / 1.8L, 3, 1, sep, " %");
            return std::nullopt;
        case 7:
            return WithSuffix(b, 3, 0, sep, " km/h");
        default:  // 8, 9: target air/fuel
            if (s.Korr == 1) {
                const long double v = b * 5 / 256;
                return WithSuffix(v, 3, 2, sep, VoltMark(v, sep) ? texts.BadVoltSuffix : " V");
            }
            if (s.Korr == 2) {
                const long double pc = b * 20 / 128 - 20;
                const bool bad = PercentMark(pc, Byte(frame, 4), coolant, sep);
                return WithSuffix(pc, 3, 2, sep, bad ? "% - bad" : "%");
            }
            return std::nullopt;
    }
}

std::string ChartCaption(std::string_view from, std::string_view to, int start, int frames) {
    std::string text(from);
    text += std::to_string(start);
    text += to;
    text += std::to_string(start + frames - 1);
    text += " frame";
    return text;
}

ChartWindow ZoomChartWindow(int p, int count, int requested) {
    ChartWindow w;
    w.Frames = std::clamp(requested, 1, std::max(count, 1));
    w.StartMax = std::max(count - w.Frames + 1, 1);
    int start = p - static_cast<int>(CeilExact(w.Frames, 2));
    // A one-frame window would otherwise start before the current frame and lose it.
    start = std::max(start, p - w.Frames + 1);
    w.Start = std::clamp(start, 1, w.StartMax);
    w.Offset = p - w.Start;
    return w;
}

int ZoomPageStep(int frames) {
    return static_cast<int>(CeilExact(frames, 5));
}

ChartWindow FollowNewestFrame(int n) {
    if (n <= 50) return {.Frames = n, .Start = 1, .StartMax = 1, .Offset = n - 1};
    return {.Frames = 50, .Start = n - 49, .StartMax = n - 49, .Offset = 49};
}

ChartWindow PlaceInWindow(int p, int start, int markerMax) {
    ChartWindow w;
    w.Frames = markerMax + 1;
    w.Start = start;
    if (p < w.Start) w.Start = p;
    if (p > w.Start + markerMax) w.Start = p - markerMax;
    w.Offset = p - w.Start;
    return w;
}

int ClickOffset(int x, int width, int markerMax) {
    return static_cast<int>(RoundHalfEvenExact(std::int64_t{x} * markerMax, width - 1));
}

namespace {
constexpr int kZoomSizes[] = {5, 10, 20, 50, 100, 200, 500, 1000, 2000};
}

std::vector<std::string> ZoomList(int n) {
    std::vector<std::string> list;
    for (int size : kZoomSizes)
        if (n >= size) list.push_back(std::to_string(size));
    if (n > 5) list.push_back(std::to_string(n));
    return list;
}

std::vector<std::string> ZoomListAfterDeletion(int n) {
    // Here "5" heads the list whatever the count: a zoom above the record is cut to it.
    std::vector<std::string> list{"5"};
    for (int size : kZoomSizes)
        if (size > 5 && n >= size) list.push_back(std::to_string(size));
    if (n > 5) list.push_back(std::to_string(n));
    return list;
}

}  // namespace velmorant
