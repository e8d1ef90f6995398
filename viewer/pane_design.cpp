#include "viewer/pane_design.h"

namespace velmorant::viewer {

namespace {

using ui::Design;
using ui::Kind;

// Lines 1-3 stand in the left column, lines 4-6 in the right one, 24 pixels apart.
constexpr int kLineTop[6] = {4, 28, 52, 4, 28, 52};
constexpr int kLeftColumn = 0;
constexpr int kRightColumn = 1;

int ColumnOf(int line) {
    return line <= 3 ? kLeftColumn : kRightColumn;
}

}  // namespace

std::string PaneName(const PaneTwin& twin, std::string_view base, int number) {
    std::string name(base);
    if (number > 0) name += std::to_string(number);
    name += twin.Suffix;
    return name;
}

void AddPaneComponents(std::vector<Design>& d, const PaneTwin& twin) {
    const std::string parent(twin.Panel);
    const ui::FontDesign bold{.bold = true};
    for (int line = 1; line <= 6; ++line) {
        const int top = kLineTop[line - 1];
        const bool right = ColumnOf(line) == kRightColumn;
        // The "Col" buttons only carry the line colours: a pane picks none.
        d.push_back({.kind = Kind::SpeedButton,
                     .name = PaneName(twin, "SpeedButton", line),
                     .parent = parent,
                     .left = right ? 364 : 4,
                     .top = top,
                     .width = 25,
                     .height = 17,
                     .caption = "Col",
                     .font = bold});
        d.push_back({.kind = Kind::ComboBox,
                     .name = PaneName(twin, "ComboBox", line),
                     .parent = parent,
                     .left = right ? 392 : 32,
                     .top = top,
                     .width = twin.PickerWidth,
                     .font = bold,
                     .dropDownList = true,
                     .itemHeight = 13});
        d.push_back({.kind = Kind::Label,
                     .name = PaneName(twin, "Label", line + 3),
                     .parent = parent,
                     .left = twin.ValueLeft[right ? 1 : 0],
                     .top = top + 4,
                     .caption = "0",
                     .font = {.height = 13, .bold = true}});
    }
    d.push_back({.kind = Kind::Button,
                 .name = PaneName(twin, "Button", 1),
                 .parent = parent,
                 .left = 40,
                 .top = 80,
                 .width = 17,
                 .height = 17,
                 .caption = "-1"});
    d.push_back({.kind = Kind::TrackBar,
                 .name = PaneName(twin, "TrackBar", 1),
                 .parent = parent,
                 .left = 52,
                 .top = 80,
                 .width = 589,
                 .height = 25,
                 .max = 99,
                 .position = 50});
    d.push_back({.kind = Kind::Button,
                 .name = PaneName(twin, "Button", 2),
                 .parent = parent,
                 .left = 637,
                 .top = 80,
                 .width = 17,
                 .height = 17,
                 .caption = "+1"});
    // Scale labels: top, middle and bottom of each line, 13 pixels apart.
    for (int line = 1; line <= 6; ++line) {
        const int step = 13 * (line - 1);
        d.push_back({.kind = Kind::Label,
                     .name = PaneName(twin, "Label", line + 9),
                     .parent = parent,
                     .left = 8,
                     .top = 104 + step,
                     .caption = "0"});
        d.push_back({.kind = Kind::Label,
                     .name = PaneName(twin, "Label", line + 15),
                     .parent = parent,
                     .left = 640,
                     .top = 168 + step,
                     .caption = "0"});
        d.push_back({.kind = Kind::Label,
                     .name = PaneName(twin, "Label", line + 21),
                     .parent = parent,
                     .left = 8,
                     .top = 240 + step,
                     .caption = "0"});
    }
    d.push_back({.kind = Kind::Image,
                 .name = PaneName(twin, "Image", 1),
                 .parent = parent,
                 .left = 64,
                 .top = 112,
                 .width = kPaneChartWidth,
                 .height = kChartHeight});
    d.push_back({.kind = Kind::Label,
                 .name = PaneName(twin, "Label", 2),
                 .parent = parent,
                 .left = 656,
                 .top = 106,
                 .caption = "Scale"});
    d.push_back({.kind = Kind::ComboBox,
                 .name = PaneName(twin, "ComboBox", 7),
                 .parent = parent,
                 .left = 634,
                 .top = 126,
                 .width = 73,
                 .height = 24});
    d.push_back({.kind = Kind::ScrollBar,
                 .name = PaneName(twin, "ScrollBar", 1),
                 .parent = parent,
                 .left = 64,
                 .top = twin.WindowStartTop,
                 .width = kPaneChartWidth,
                 .height = 17,
                 .min = 1,
                 .max = 1,
                 .position = 1,
                 .largeChange = 20});
    d.push_back({.kind = Kind::Label,
                 .name = PaneName(twin, "Label", 3),
                 .parent = parent,
                 .left = 648,
                 .top = twin.FrameCaptionTop,
                 .caption = "Frame"});
    d.push_back({.kind = Kind::Label,
                 .name = PaneName(twin, "Label", 1),
                 .parent = parent,
                 .left = 648,
                 .top = twin.FrameLabelTop,
                 .caption = "1",
                 .font = {.height = 16, .bold = true}});
}

}  // namespace velmorant::viewer
