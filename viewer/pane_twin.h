#pragma once

#include <array>
#include <string_view>

#include "monitor/core/chart_math.h"

namespace velmorant::viewer {

// What tells the two panes apart: names, places and the few texts they write differently.
// Everything else of a pane is one design and one piece of code.
struct PaneTwin {
    char Suffix;                        // 'a' for the first file, 'b' for the second
    std::string_view Panel;             // the pane itself
    std::string_view List;              // its parameter list
    std::string_view FrameBar;          // the frame bar under that list
    int StatusPanel;                    // the status bar panel with its file name
    int PickerWidth;                    // the six parameter pickers
    std::array<int, 2> ValueLeft;       // value labels of lines 1-3 and 4-6
    int WindowStartTop;                 // ScrollBar1x
    int FrameCaptionTop;                // "Frame"
    int FrameLabelTop;                  // the marker frame's number
    ChartTexts Texts;                   // suffixes and scale texts of the value labels
    std::string_view ValueCaptionFrom;  // the window caption written with each value
    std::string_view ValueCaptionTo;
};

inline constexpr PaneTwin kPaneA{
    .Suffix = 'a',
    .Panel = "Panel4",
    .List = "ListView1",
    .FrameBar = "ScrollBar_a",
    .StatusPanel = 0,
    .PickerWidth = 241,
    .ValueLeft = {280, 640},
    .WindowStartTop = 320,
    .FrameCaptionTop = 300,
    .FrameLabelTop = 316,
    .Texts = {.InjectionSuffix = " msec",
              .BadVoltSuffix = "V - bad",
              .IgnitionScale = {"100deg.", "0deg.", "-100deg."}},
    .ValueCaptionFrom = "Frame  from ",
    .ValueCaptionTo = " to ",
};

inline constexpr PaneTwin kPaneB{
    .Suffix = 'b',
    .Panel = "Panel5",
    .List = "ListView2",
    .FrameBar = "ScrollBar_b",
    .StatusPanel = 1,
    .PickerWidth = 209,
    .ValueLeft = {248, 608},
    .WindowStartTop = 318,
    .FrameCaptionTop = 292,
    .FrameLabelTop = 308,
    .Texts = {.InjectionSuffix = " msec",
              .BadVoltSuffix = " V - bad",
              .IgnitionScale = {"100deg", "0deg", "-100deg"}},
    .ValueCaptionFrom = "Графики  с ",
    .ValueCaptionTo = " по ",
};

// The pane's image is narrower than the pane's 601-column bitmap; the chart is drawn for it.
inline constexpr int kPaneChartWidth = 569;

}  // namespace velmorant::viewer
