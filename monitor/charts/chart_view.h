#pragma once

#include <array>
#include <functional>
#include <string>

#include "monitor/core/chart_math.h"
#include "monitor/core/parameter_rows.h"
#include "monitor/core/settings.h"
#include "ui/bitmap.h"
#include "ui/combo_box.h"
#include "ui/control.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/range_control.h"

namespace velmorant {

inline constexpr int kChartLines = 6;

// The controls of one line (curve) of a chart.
struct ChartLineControls {
    ui::ComboBox* Picker = nullptr;       // item index = chart parameter index
    ui::Control* ColourButton = nullptr;  // its font colour is the line's colour
    ui::Label* Value = nullptr;           // the value at the marker
    ui::Label* Top = nullptr;             // the scale labels
    ui::Label* Middle = nullptr;
    ui::Label* Bottom = nullptr;
};

// The controls a chart draws on and reads: the charts window builds one over its own
// controls, a Viewer pane over the pane's.
struct ChartView {
    ui::Bitmap* Bitmap = nullptr;  // the off-screen drawing, at least Width x kChartHeight
    ui::Image* Image = nullptr;    // shows the finished drawing
    std::array<ChartLineControls, kChartLines> Lines{};
    ui::TrackBar* Marker = nullptr;                      // the marker offset
    ui::ScrollBar* WindowStart = nullptr;                // the window's first frame
    ui::ComboBox* Zoom = nullptr;                        // the number of frames in the window
    ui::Label* FrameLabel = nullptr;                     // the marker frame's number
    std::function<void(const std::string&)> SetCaption;  // the window caption
};

// What differs between the charts window and a Viewer pane.
struct ChartLook {
    int Width = kChartWidth;  // columns of the chart, for background, grid, curves and marker
    ChartTexts Texts;
    std::string BackgroundFrom = "Charts  from ";
    std::string BackgroundTo = " to ";
    // A pane writes a caption of its own with every value; none when empty.
    std::string ValueFrom;
    std::string ValueTo;
};

// The settings a chart draws with.
struct ChartSettings {
    ConversionSettings Units;
    ui::Colour Canvas = static_cast<ui::Colour>(kDefaultCanvasColour);  // "fon"
    ui::Colour Axes = static_cast<ui::Colour>(kDefaultAxesColour);      // "axes": frame, grid
    ui::Colour Marker = static_cast<ui::Colour>(kDefaultMarkerColour);  // "marker"
    char DecimalSeparator = '.';
};

}  // namespace velmorant
