#include "monitor/win/charts_form_design.h"

#include <string>
#include <vector>

#include "monitor/core/chart_math.h"

namespace velmorant {

namespace {

using ui::Design;
using ui::Kind;

const ui::FontDesign kBold{.bold = true};
const ui::FontDesign kValueFont{.height = 13, .bold = true};

std::string Numbered(const char* base, int n) {
    return base + std::to_string(n);
}

std::vector<Design> BuildComponents() {
    std::vector<Design> d;
    d.push_back({.kind = Kind::PopupMenu, .name = "PopupMenu1"});
    for (const auto& [name, caption] : {std::pair{"N1", "Canvas color"},
                                        {"N2", "Axis color"},
                                        {"N3", "Marker color"},
                                        {"N5", "-"},
                                        {"N4", "Loading default colors"}})
        d.push_back(
            {.kind = Kind::MenuItem, .name = name, .parent = "PopupMenu1", .caption = caption});
    d.push_back({.kind = Kind::ColourDialog, .name = "ColorDialog1"});

    // Lines 1 to 3 on the left, 4 to 6 on the right, 24 pixels apart.
    for (int i = 1; i <= 6; ++i) {
        const int left = i <= 3 ? 0 : 360;
        const int top = 4 + 24 * ((i - 1) % 3);
        d.push_back({.kind = Kind::SpeedButton,
                     .name = Numbered("SpeedButton", i),
                     .left = left + 4,
                     .top = top,
                     .width = 25,
                     .height = 17,
                     .caption = "Col",
                     .font = kBold});
        d.push_back({.kind = Kind::ComboBox,
                     .name = Numbered("ComboBox", i),
                     .left = left + 32,
                     .top = top,
                     .width = 241,
                     .font = kBold,
                     .dropDownList = true,
                     .itemHeight = 13});
        d.push_back({.kind = Kind::Label,
                     .name = Numbered("Label", i + 8),
                     .left = left + 280,
                     .top = top + 4,
                     .caption = "0",
                     .font = kValueFont});
    }
    d.push_back({.kind = Kind::Button,
                 .name = "Button1",
                 .left = 32,
                 .top = 80,
                 .width = 17,
                 .height = 17,
                 .caption = "-1"});
    d.push_back({.kind = Kind::TrackBar,
                 .name = "TrackBar1",
                 .left = 52,
                 .top = 80,
                 .width = 624,
                 .height = 25,
                 .max = 0});
    d.push_back({.kind = Kind::Button,
                 .name = "Button2",
                 .left = 680,
                 .top = 80,
                 .width = 17,
                 .height = 17,
                 .caption = "+1"});
    for (int i = 1; i <= 6; ++i) {
        d.push_back({.kind = Kind::Label,
                     .name = Numbered("Label", i + 14),
                     .left = 8,
                     .top = 104 + 13 * (i - 1),
                     .caption = "0"});
        d.push_back({.kind = Kind::Label,
                     .name = Numbered("Label", i + 20),
                     .left = 672,
                     .top = 168 + 13 * (i - 1),
                     .caption = "0"});
        d.push_back({.kind = Kind::Label,
                     .name = Numbered("Label", i + 26),
                     .left = 8,
                     .top = 240 + 13 * (i - 1),
                     .caption = "0"});
    }
    d.push_back({.kind = Kind::Image,
                 .name = "Image1",
                 .left = 64,
                 .top = 112,
                 .width = kChartWidth,
                 .height = kChartHeight,
                 .popupMenu = "PopupMenu1"});
    d.push_back(
        {.kind = Kind::Label, .name = "Label2", .left = 688, .top = 106, .caption = "Scale"});
    d.push_back(
        {.kind = Kind::ComboBox, .name = "ComboBox8", .left = 672, .top = 126, .width = 73});
    d.push_back(
        {.kind = Kind::Label, .name = "Label33", .left = 680, .top = 260, .caption = "Frame"});
    d.push_back({.kind = Kind::Label,
                 .name = "Label1",
                 .left = 680,
                 .top = 276,
                 .caption = "1",
                 .font = {.height = 16, .bold = true}});
    d.push_back({.kind = Kind::ScrollBar,
                 .name = "ScrollBar1",
                 .left = 64,
                 .top = 320,
                 .width = kChartWidth,
                 .height = 17,
                 .min = 1,
                 .max = 1,
                 .position = 1,
                 .largeChange = 20});
    d.push_back({.kind = Kind::Button,
                 .name = "Button3",
                 .left = 672,
                 .top = 304,
                 .width = 73,
                 .height = 33,
                 .caption = "Del. frame"});
    return d;
}

}  // namespace

const ui::FormDesign& ChartsFormDesign() {
    static const ui::FormDesign design{
        .name = "Form3",
        .caption = "Charts",
        .left = 477,
        .top = 95,
        .clientWidth = 747,
        .clientHeight = 344,
        .borderStyle = ui::BorderStyle::Dialog,
        .keyPreview = true,
    };
    return design;
}

std::span<const ui::Design> ChartsFormComponents() {
    static const std::vector<Design> components = BuildComponents();
    return components;
}

}  // namespace velmorant
