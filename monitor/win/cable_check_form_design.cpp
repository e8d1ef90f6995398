#include "monitor/win/cable_check_form_design.h"

#include <string>
#include <vector>

namespace velmorant {

namespace {

using ui::Design;
using ui::Kind;

const ui::FontDesign kTextFont{.name = "", .height = 0, .bold = true};

std::vector<Design> BuildComponents() {
    std::vector<Design> d = {
        {.kind = Kind::Label,
         .name = "Label1",
         .left = 16,
         .top = 8,
         .caption = "0",
         .font = {.name = "Courier New", .height = 120, .bold = true, .colour = ui::kMaroon}},
    };
    // Trailing blanks as they stand in the instructions.
    const char* const lines[] = {"On the cable must be",     "connected +5 volts ",
                                 "to the contact which ",    "will be connected to Vf1",
                                 "If when applying 5 volts", "lights up 1 - the cable",
                                 "without inversion, ",      "if 0 - then with inversion"};
    int top = 10;
    for (int n = 0; n < 8; ++n) {
        d.push_back({.kind = Kind::Label,
                     .name = "Label" + std::to_string(n + 2),
                     .left = 112,
                     .top = top,
                     .caption = lines[n],
                     .font = kTextFont});
        top += n == 3 ? 22 : 16;  // a gap between the wiring and the reading
    }
    d.push_back({.kind = Kind::Button,
                 .name = "Button1",
                 .left = 112,
                 .top = 150,
                 .width = 170,
                 .height = 25,
                 .caption = "Start verification",
                 .font = kTextFont});
    return d;
}

}  // namespace

const ui::FormDesign& CableCheckFormDesign() {
    static const ui::FormDesign design{
        .name = "Form8",
        .caption = "Check the cable on the inversion",
        .left = 300,
        .top = 300,
        .clientWidth = 300,
        .clientHeight = 186,
        .borderStyle = ui::BorderStyle::Dialog,
        .keyPreview = true,
    };
    return design;
}

std::span<const ui::Design> CableCheckFormComponents() {
    static const std::vector<Design> components = BuildComponents();
    return components;
}

}  // namespace velmorant
