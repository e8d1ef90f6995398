#include "monitor/win/large_display_form_design.h"

#include <string>
#include <vector>

namespace velmorant {

namespace {

using ui::Design;
using ui::Kind;

constexpr ui::Colour kTeal = 0x808000;

ui::FontDesign Big(ui::Colour colour) {
    return {.name = "Courier New", .height = 24, .bold = true, .colour = colour};
}

// Row k's caption and value share a colour: blue, green, red, from the first row on.
ui::Colour RowColour(int k) {
    constexpr ui::Colour kRows[] = {ui::kBlue, ui::kGreen, ui::kRed};
    return kRows[(k - 1) % 3];
}

int RowTop(int k) {
    return 48 + 32 * (k - 1);
}

std::vector<Design> BuildComponents() {
    std::vector<Design> d = {
        {.kind = Kind::Edit,
         .name = "Edit1",
         .left = 8,
         .top = 11,
         .width = 833,
         .height = 26,
         .caption = "No data",
         .font = {.name = "Courier New", .height = 16, .bold = true},
         .readOnly = true},
        {.kind = Kind::Button,
         .name = "Button2",
         .left = 848,
         .top = 8,
         .width = 97,
         .height = 33,
         .caption = "Read",
         .font = {.bold = true}},
        {.kind = Kind::Button,
         .name = "Button3",
         .left = 952,
         .top = 8,
         .width = 33,
         .height = 33,
         .caption = ">",
         .hint = "Начать/остановить проигрывание записи",
         .font = {.bold = true}},
    };
    // Each caption starts where it ends against its value at 333.
    struct Caption {
        int left;
        const char* text;
    };
    const Caption captions[] = {
        {116, "Injection time:"},
        {16, "Ignition timing angle:"},
        {33, "IAC Valve duty ratio:"},
        {145, "Engine speed:"},
        {214, "MAP/MAF:"},
        {45, "Coolant temperature:"},
        {73, "Throttle position:"},
        {128, "Vehicle speed:"},
        {57, "Target Air/Fuel LH:"},
        {56, "Target Air/Fuel RH:"},
    };
    for (int k = 1; k <= 10; ++k) {
        d.push_back({.kind = Kind::Label,
                     .name = "Label" + std::to_string(k),
                     .left = captions[k - 1].left,
                     .top = RowTop(k),
                     .caption = captions[k - 1].text,
                     .font = Big(RowColour(k))});
        d.push_back({.kind = Kind::Label,
                     .name = "Label" + std::to_string(10 + k),
                     .left = 333,
                     .top = RowTop(k),
                     .caption = "0",
                     .font = Big(RowColour(k))});
    }
    const char* const flags[] = {"Enrichment after engine",
                                 "Warming enrichment",
                                 "Detonation (knock sensor)",
                                 "Feedback",
                                 "Additional enrichment",
                                 "Starter",
                                 "Idle switch",
                                 "A/C",
                                 "Neutral",
                                 "O2 sensor (left)",
                                 "O2 sensor (right - for V6)",
                                 "Te1->E1"};
    for (int k = 1; k <= 12; ++k) {
        d.push_back({.kind = Kind::Image,
                     .name = "Image" + std::to_string(k),
                     .left = 584,
                     .top = RowTop(k),
                     .width = 41,
                     .height = 25});
        d.push_back({.kind = Kind::Label,
                     .name = "Label" + std::to_string(20 + k),
                     .left = 634,
                     .top = RowTop(k),
                     .caption = flags[k - 1],
                     .font = Big(ui::kBlack)});
    }
    d.push_back({.kind = Kind::Label,
                 .name = "Label38",
                 .left = 920,
                 .top = 72,
                 .caption = "start",
                 .font = Big(ui::kBlack)});
    d.push_back({.kind = Kind::Label,
                 .name = "Label33",
                 .left = 239,
                 .top = 376,
                 .caption = "Frame:",
                 .font = Big(ui::kBlack)});
    d.push_back({.kind = Kind::Label,
                 .name = "Label34",
                 .left = 333,
                 .top = 376,
                 .caption = "1/1",
                 .font = Big(ui::kBlack)});
    d.push_back({.kind = Kind::Label,
                 .name = "Label35",
                 .left = 20,
                 .top = 408,
                 .caption = "Approx. fuel flow rate:",
                 .font = Big(ui::kRed)});
    d.push_back({.kind = Kind::Label,
                 .name = "Label36",
                 .left = 356,
                 .top = 408,
                 .caption = "0 l/h",
                 .font = Big(kTeal)});
    d.push_back({.kind = Kind::Label,
                 .name = "Label37",
                 .left = 300,
                 .top = 440,
                 .caption = "999,0 l/100km",
                 .font = Big(ui::kRed)});
    d.push_back({.kind = Kind::ScrollBar,
                 .name = "ScrollBar1",
                 .left = 10,
                 .top = 472,
                 .width = 975,
                 .height = 17,
                 .min = 1,
                 .max = 1,
                 .position = 1});
    return d;
}

}  // namespace

const ui::FormDesign& LargeDisplayFormDesign() {
    static const ui::FormDesign design{.name = "Form7",
                                       .caption = "Large data display",
                                       .left = 222,
                                       .top = 91,
                                       .clientWidth = 995,
                                       .clientHeight = 499,
                                       .borderStyle = ui::BorderStyle::Dialog,
                                       .keyPreview = true};
    return design;
}

std::span<const ui::Design> LargeDisplayFormComponents() {
    static const std::vector<Design> components = BuildComponents();
    return components;
}

}  // namespace velmorant
