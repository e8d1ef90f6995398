#include "monitor/win/driving_form_design.h"

#include <string>
#include <vector>

namespace velmorant {

namespace {

using ui::Design;
using ui::Kind;

const ui::FontDesign kCaptionFont{
    .name = "Courier New", .height = 13, .bold = true, .colour = ui::kNavy};
const ui::FontDesign kUnitFont{
    .name = "Courier New", .height = 11, .bold = true, .colour = ui::kNavy};

std::vector<Design> BuildComponents() {
    std::vector<Design> d;
    auto panel = [&d](const char* name, const char* parent, int left, int top, int width,
                      int height, ui::Bevel bevel) {
        d.push_back({.kind = Kind::Panel,
                     .name = name,
                     .parent = parent,
                     .left = left,
                     .top = top,
                     .width = width,
                     .height = height,
                     .bevel = bevel});
    };
    int labelNumber = 0;
    auto label = [&](const char* parent, int left, int top, const char* caption,
                     const ui::FontDesign& font) {
        // Label6, Label12 and Label13 are the value labels, named apart.
        do ++labelNumber;
        while (labelNumber == 6 || labelNumber == 12 || labelNumber == 13);
        d.push_back({.kind = Kind::Label,
                     .name = "Label" + std::to_string(labelNumber),
                     .parent = parent,
                     .left = left,
                     .top = top,
                     .caption = caption,
                     .font = font});
    };

    // Four groups, each a raised frame around a lowered face, in a two-by-two grid above
    // the bottom strip.
    struct Group {
        const char* outer;
        const char* inner;
        int left;
        int top;
        int height;
    };
    const Group groups[] = {{"Panel1", "Panel5", 0, 0, 225},
                            {"Panel2", "Panel6", 345, 0, 225},
                            {"Panel3", "Panel7", 0, 225, 382},
                            {"Panel4", "Panel8", 345, 225, 382}};
    for (const Group& g : groups) {
        panel(g.outer, "", g.left, g.top, 345, g.height, ui::Bevel::Raised);
        panel(g.inner, g.outer, 2, 2, 341, g.height - 4, ui::Bevel::Lowered);
    }
    label("Panel5", 8, 8, "Tachometer", kCaptionFont);
    label("Panel5", 108, 171, "rpm", kUnitFont);
    label("Panel6", 8, 8, "Speedometer", kCaptionFont);
    label("Panel6", 103, 175, "km/h", kUnitFont);
    label("Panel7", 8, 8, "Tempetature", kCaptionFont);
    label("Panel8", 8, 8, "Inlet pressure", kCaptionFont);
    label("Panel8", 56, 141, "mm.of Hg.", kUnitFont);

    // Lower left: the four flag lamps beside their captions, and the fuel flow.
    panel("Panel9", "Panel7", 2, 160, 337, 214, ui::Bevel::Raised);
    const char* const lamps[] = {"Enrichment after engine start", "Additional enrichment",
                                 "Long detonation (knock sensor)", "Feedback"};
    for (int k = 0; k < 4; ++k) label("Panel9", 8, 17 + 24 * k, lamps[k], kCaptionFont);
    panel("Panel10", "Panel9", 2, 116, 333, 60, ui::Bevel::Lowered);
    label("Panel10", 6, 9, "Approx. fuel flow rate, l/hour", kCaptionFont);
    label("Panel10", 6, 33, "Approx. fuel flow rate, l/100km", kCaptionFont);
    d.push_back({.kind = Kind::Label,
                 .name = "Label12",
                 .parent = "Panel10",
                 .left = 284,
                 .top = 9,
                 .caption = "0",
                 .font = kCaptionFont});
    d.push_back({.kind = Kind::Label,
                 .name = "Label13",
                 .parent = "Panel10",
                 .left = 284,
                 .top = 33,
                 .caption = "0",
                 .font = kCaptionFont});

    // Lower right: throttle, ignition, valve duty and fuel flow on small gauges.
    panel("Panel11", "Panel8", 2, 160, 337, 214, ui::Bevel::Raised);
    label("Panel11", 20, 6, "Throttle", kCaptionFont);
    label("Panel11", 176, 6, "Ignition", kCaptionFont);
    label("Panel11", 4, 94, "IAC Valve duty ratio", kCaptionFont);
    label("Panel11", 176, 94, "Fuel flow rate", kCaptionFont);
    label("Panel11", 22, 75, "degree", kUnitFont);
    label("Panel11", 178, 75, "degree", kUnitFont);
    label("Panel11", 22, 163, "degree", kUnitFont);
    label("Panel11", 178, 163, "liters", kUnitFont);

    // The bottom strip: frame counter, playback and the frame position.
    // Decoration: a screw head in the top right corner of each group, and a thermometer
    // inside the coolant gauge (drawn at creation).
    int image = 0;
    for (const char* face : {"Panel5", "Panel6", "Panel7", "Panel8"})
        d.push_back({.kind = Kind::Image,
                     .name = "Image" + std::to_string(++image),
                     .parent = face,
                     .left = 320,
                     .top = 4,
                     .width = 17,
                     .height = 17});
    d.push_back({.kind = Kind::Image,
                 .name = "Image5",
                 .parent = "Panel7",
                 .left = 156,
                 .top = 100,
                 .width = 32,
                 .height = 32});

    panel("Panel12", "", 0, 607, 690, 45, ui::Bevel::Raised);
    d.push_back({.kind = Kind::Label,
                 .name = "Label6",
                 .parent = "Panel12",
                 .left = 9,
                 .top = 1,
                 .caption = "1/1",
                 .font = kCaptionFont});
    d.push_back({.kind = Kind::Button,
                 .name = "Button6",
                 .parent = "Panel12",
                 .left = 8,
                 .top = 17,
                 .width = 25,
                 .height = 24,
                 .caption = ">",
                 .hint = "Проиграть с этого места/остановить",
                 .font = {.bold = true}});
    d.push_back({.kind = Kind::ScrollBar,
                 .name = "ScrollBar1",
                 .parent = "Panel12",
                 .left = 40,
                 .top = 20,
                 .width = 641,
                 .height = 17,
                 .hint = "Позиция относительно всей записи",
                 .min = 1,
                 .max = 1,
                 .position = 1,
                 .largeChange = 10});
    return d;
}

}  // namespace

const ui::FormDesign& DrivingFormDesign() {
    static const ui::FormDesign design{.name = "Form10",
                                       .caption = "Driving parameters",
                                       .left = 159,
                                       .top = 5,
                                       .clientWidth = 690,
                                       .clientHeight = 652,
                                       .borderStyle = ui::BorderStyle::Dialog,
                                       .keyPreview = true};
    return design;
}

std::span<const ui::Design> DrivingFormComponents() {
    static const std::vector<Design> components = BuildComponents();
    return components;
}

std::span<const TachoPlace> DrivingTachos() {
    static const TachoPlace tachos[] = {
        {"KroTacho1", "Panel5", 8, 29, 313, 160, kKroTacho1Range, 8, 10, 16},
        {"KroTacho2", "Panel6", 8, 32, 313, 161, kKroTacho2Range, 9, 10, 16},
        {"KroTacho3", "Panel7", 60, 40, 225, 113, kKroTacho3Range, 8, 5, 11},
        {"KroTacho4", "Panel8", 52, 40, 225, 113, kKroTacho4Range, 7, 5, 0},
        {"KroTacho5", "Panel11", 20, 24, 133, 65, kKroTacho5Range, 8, 5, 0},
        {"KroTacho7", "Panel11", 176, 24, 129, 65, kKroTacho7Range, 6, 5, 0},
        {"KroTacho6", "Panel11", 20, 112, 133, 65, kKroTacho6Range, 6, 5, 0},
        {"KroTacho8", "Panel11", 176, 112, 129, 65, kKroTacho8Range, 10, 5, 0},
    };
    return tachos;
}

std::span<const DigitPlace> DrivingDigits() {
    static const DigitPlace digits[] = {
        {"KroTacho1Digit", "Panel5", 193, 161, 4},
        {"KroTacho2Digit", "Panel6", 208, 164, 3},
        {"KroTacho3Digit", "Panel7", 188, 129, 3},
        {"KroTacho4Digit", "Panel8", 180, 129, 3},
    };
    return digits;
}

std::span<const LedPlace> DrivingLeds() {
    static const LedPlace leds[] = {
        {"KroLED1", "Panel9", 280, 16},
        {"KroLED2", "Panel9", 280, 40},
        {"KroLED4", "Panel9", 280, 64},
        {"KroLED3", "Panel9", 280, 88},
    };
    return leds;
}

}  // namespace velmorant
