#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "monitor/core/frame_record.h"
#include "monitor/core/parameter_rows.h"

namespace velmorant {

// What the current frame puts into the bytes column, the large data display and the
// driving-parameters window; the windows only copy these into their controls.

// The identifier as a number: identifier bit k (1..12) weighs 2^k.
int IdentifierValue(const RecordedFrame& frame);

// The 23 items of the bytes column, row-aligned with parameter rows 0..22.
inline constexpr int kBytesColumnCount = 23;
std::array<std::string, kBytesColumnCount> BytesColumnOf(const RecordedFrame& frame);

struct LargeDisplayValues {
    std::string Label36;                     // litres per hour, "l/h" appended
    std::string Label37;                     // litres per 100 km, "l/100km" appended
    std::array<std::string, 10> DataLabels;  // Label11..Label20: rows 1..10
    std::array<bool, 12> Lamps{};            // Image1..Image12 lit: the flags of rows 11..22
    std::string Label34;                     // row 26
};
LargeDisplayValues LargeDisplayOf(const RecordedFrame& frame, const ParameterRows& rows);

// Windows colour values (0x00BBGGRR).
inline constexpr std::uint32_t kColourBlue = 0xFF0000;
inline constexpr std::uint32_t kColourYellow = 0x00FFFF;
inline constexpr std::uint32_t kColourRed = 0x0000FF;
inline constexpr std::uint32_t kColourGreen = 0x008000;
inline constexpr std::uint32_t kColourGrey = 0x808080;

// A gauge's MinValue..MaxValue in the driving-parameters window; the gauge clamps a new
// Position into it, and what the window reads back from a gauge is the clamped value.
struct GaugeRange {
    double Min;
    double Max;
};
inline constexpr GaugeRange kKroTacho1Range{0, 8000};
inline constexpr GaugeRange kKroTacho2Range{0, 180};
inline constexpr GaugeRange kKroTacho3Range{40, 120};
inline constexpr GaugeRange kKroTacho4Range{100, 800};
inline constexpr GaugeRange kKroTacho5Range{0, 40};
inline constexpr GaugeRange kKroTacho6Range{30, 60};
inline constexpr GaugeRange kKroTacho7Range{-30, 60};
inline constexpr GaugeRange kKroTacho8Range{0, 20};

double ClampToGauge(double position, GaugeRange range);

// A digit display's Value: an integer shows in its integer style, a real in its real style.
struct DigitValue {
    bool IsInteger = true;
    std::int32_t Integer = 0;
    double Real = 0;
};

// In the order the window sets them. Positions are what is assigned, before the gauge's own
// clamping; colours and digit values already account for it.
struct DrivingGauges {
    bool EngineTurning = false;  // KroTacho1's position above 0
    double KroTacho1Position = 0;
    std::uint32_t KroTacho1Color = kColourBlue;
    DigitValue KroTacho1Digit;
    double KroTacho2Position = 0;
    DigitValue KroTacho2Digit;
    double KroTacho3Position = 0;
    std::uint32_t KroTacho3Color = kColourBlue;
    DigitValue KroTacho3Digit;
    double KroTacho8Position = 0;
    std::uint32_t KroTacho8Color = kColourBlue;
    double KroTacho7Position = 0;
    double KroTacho6Position = 0;
    double KroTacho5Position = 0;
    double KroTacho4Position = 0;
    DigitValue KroTacho4Digit;
    std::string Label6;                        // row 26
    std::string Label12;                       // row 23
    std::string Label13;                       // row 24
    std::uint32_t KroLED1Color = kColourGrey;  // after-start enrichment
    std::uint32_t KroLED2Color = kColourGrey;  // additional enrichment
    std::uint32_t KroLED3Color = kColourGrey;  // feedback
    std::uint32_t KroLED4Color = kColourGrey;  // knock sensor
};

// The gauges show pressure in mm Hg, throttle in degrees and valve duty in percent whatever
// the unit settings; the coolant gauge follows row 6's text.
DrivingGauges DrivingGaugesOf(const RecordedFrame& frame, const ParameterRows& rows);

}  // namespace velmorant
