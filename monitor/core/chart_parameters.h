#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "monitor/core/frame_record.h"

namespace velmorant {

// The chart parameter index: i (0..21) is parameter row i + 1; 22 is the pickers' empty
// choice (no curve). Settings "Grafik1".."Grafik6" store these numbers.
inline constexpr int kChartParameterCount = 23;
inline constexpr int kNoCurve = 22;

enum class ChartSource : std::uint8_t { DataByte, FlagBit, None };

struct ChartParameter {
    int Row;  // parameter row 1..22; 0 for no curve
    ChartSource Source;
    int Byte;                  // data byte 1..10, or 11 or 12 for a flag
    int Bit;                   // flag bit 0..7
    std::string_view SetWord;  // flags: the words for a set and a clear bit
    std::string_view ClearWord;
};

inline constexpr std::array<ChartParameter, kChartParameterCount> kChartParameters = {{
    {1, ChartSource::DataByte, 1, 0, {}, {}},               // injection time
    {2, ChartSource::DataByte, 2, 0, {}, {}},               // ignition timing angle
    {3, ChartSource::DataByte, 3, 0, {}, {}},               // idle-air-control valve duty
    {4, ChartSource::DataByte, 4, 0, {}, {}},               // engine speed
    {5, ChartSource::DataByte, 5, 0, {}, {}},               // intake pressure or air flow
    {6, ChartSource::DataByte, 6, 0, {}, {}},               // coolant temperature
    {7, ChartSource::DataByte, 7, 0, {}, {}},               // throttle/pedal position
    {8, ChartSource::DataByte, 8, 0, {}, {}},               // vehicle speed
    {9, ChartSource::DataByte, 9, 0, {}, {}},               // target air/fuel, left
    {10, ChartSource::DataByte, 10, 0, {}, {}},             // target air/fuel, right
    {11, ChartSource::FlagBit, 11, 0, "On", "Off"},         // enrichment after engine start
    {12, ChartSource::FlagBit, 11, 1, "Yes", "No"},         // warming enrichment
    {13, ChartSource::FlagBit, 11, 4, "Yes", "No"},         // knock sensor
    {14, ChartSource::FlagBit, 11, 5, "On", "Off"},         // feedback
    {15, ChartSource::FlagBit, 11, 6, "On", "Off"},         // additional enrichment
    {16, ChartSource::FlagBit, 12, 0, "On", "Off"},         // starter
    {17, ChartSource::FlagBit, 12, 1, "Closed", "Opened"},  // idle switch
    {18, ChartSource::FlagBit, 12, 2, "On", "Off"},         // A/C
    {19, ChartSource::FlagBit, 12, 3, "On", "Off"},         // park/neutral switch
    {20, ChartSource::FlagBit, 12, 4, "Rich", "Lean"},      // oxygen sensor, left
    {21, ChartSource::FlagBit, 12, 5, "Rich", "Lean"},      // oxygen sensor, right
    {22, ChartSource::FlagBit, 12, 7, "Yes", "No"},         // Te1-E1
    {0, ChartSource::None, 0, 0, {}, {}},
}};

// The twelve shown flags are indexes 10..21, in the order of the rows, lamps and bytes column.
inline constexpr int kFirstFlagIndex = 10;
inline constexpr int kFlagCount = 12;

// The entry of an index; anything outside 0..21 is no curve.
constexpr const ChartParameter& ChartParameterOf(int index) {
    return kChartParameters[static_cast<std::size_t>(index >= 0 && index < kNoCurve ? index
                                                                                    : kNoCurve)];
}

// The stored bit of a flag parameter.
inline bool FlagIsSet(const RecordedFrame& frame, const ChartParameter& p) {
    const auto& bits = p.Byte == 11 ? frame.Byte11Bits : frame.Byte12Bits;
    return bits[static_cast<std::size_t>(p.Bit)] != 0;
}

// The stored bit of shown flag j (0..11).
inline bool ShownFlag(const RecordedFrame& frame, int j) {
    return FlagIsSet(frame, kChartParameters[static_cast<std::size_t>(kFirstFlagIndex + j)]);
}

}  // namespace velmorant
