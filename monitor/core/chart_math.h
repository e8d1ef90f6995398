#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "monitor/core/frame_record.h"
#include "monitor/core/parameter_rows.h"

namespace velmorant {

// The arithmetic of a chart: where a frame's value stands, what the scales and the value at
// the marker read, and which frames the chart window holds. Every position is computed in
// exact integer arithmetic, so a whole-number result is never pushed across by a rounding
// error. A chart is kChartHeight rows high and `width` columns wide (601 in the charts
// window, 569 in a Viewer pane); its first frame stands at x = 0 and its last at width - 1.

inline constexpr int kChartHeight = 201;
inline constexpr int kChartWidth = 601;

// Quotients of exact fractions (den > 0), rounded up, down, or to the nearest integer with
// halves to the even neighbour; also for negative numerators.
std::int64_t CeilExact(std::int64_t num, std::int64_t den);
std::int64_t FloorExact(std::int64_t num, std::int64_t den);
std::int64_t RoundHalfEvenExact(std::int64_t num, std::int64_t den);

// Column of the window's frame q (0 .. frames - 1): curve vertices round up, the marker
// rounds down. Both need frames >= 2.
int ChartX(int q, int frames, int width);
int MarkerX(int m, int frames, int width);

// The texts in which the charts window and Viewer's panes differ.
struct ChartTexts {
    std::string_view InjectionSuffix = " msec.";
    std::string_view BadVoltSuffix = " V - bad";  // after the number of a marked volt value
    std::array<std::string_view, 3> IgnitionScale = {"100deg.", "0deg.", "-100deg."};
};

// Top (y = -1), middle (y = 99) and bottom (y = 199) labels of a scale.
struct ChartScale {
    std::string_view Top;
    std::string_view Middle;
    std::string_view Bottom;
};

// The scale of a chart parameter index under the unit settings; nothing when the index is
// outside 0..21 or its unit setting has no scale (then no curve is drawn).
std::optional<ChartScale> ChartScaleOf(int parameter, const ConversionSettings& settings,
                                       const ChartTexts& texts = {});

// The row of a frame's point, for a parameter that has a scale. Values beyond the scale
// lie outside 0..200 and are clipped by the drawing.
int ChartY(int parameter, const RecordedFrame& frame, const ConversionSettings& settings);

// Degrees Celsius of a coolant sensor value, in hundredths, exactly.
std::int64_t CoolantHundredths(int v);

// The value at the marker as the value label shows it; nothing when the label keeps its text
// (no parameter, the empty item, a unit setting without a formula).
std::optional<std::string> ChartValueText(int parameter, const RecordedFrame& frame,
                                          const ConversionSettings& settings,
                                          long double coolantTemperature, char decimalSeparator,
                                          const ChartTexts& texts = {});

// "Charts  from 5 to 54 frame": `from`, the window's first frame, `to`, its last, " frame".
std::string ChartCaption(std::string_view from, std::string_view to, int start, int frames);

// Which frames the chart window holds and where its marker stands.
struct ChartWindow {
    int Frames = 1;    // N, the zoom; the marker's maximum is N - 1
    int Start = 1;     // the window's first frame
    int StartMax = 1;  // the window start's range is 1 .. StartMax
    int Offset = 0;    // the marker, 0 .. N - 1
};

// A zoom of `requested` frames around the current frame p of a record of `count` frames:
// below 1 taken as 1, above the record as the record; centred where the record allows.
ChartWindow ZoomChartWindow(int p, int count, int requested);
// The window start's page step after a zoom of n frames.
int ZoomPageStep(int frames);
// The newest 50 frames (all while there are fewer) with the marker on frame n.
ChartWindow FollowNewestFrame(int n);
// The window start that keeps frame p inside a window of marker maximum `markerMax`, moving
// it no more than needed, and p's offset there.
ChartWindow PlaceInWindow(int p, int start, int markerMax);
// The marker offset of a click at column x: x / (width - 1) of the marker maximum, to the
// nearest integer, halves to the even neighbour.
int ClickOffset(int x, int width, int markerMax);

// The zoom box's list when the charts window is shown with n frames, and after a deletion
// left n frames.
std::vector<std::string> ZoomList(int n);
std::vector<std::string> ZoomListAfterDeletion(int n);

}  // namespace velmorant
