#include "monitor/win/settings_form_design.h"

#include <string>
#include <vector>

namespace velmorant {

namespace {

using ui::Design;
using ui::Kind;

const ui::FontDesign kFormFont{.name = "Courier New", .height = 12};
const ui::FontDesign kBold{.bold = true};

constexpr int kBoxHeight = 18;
constexpr int kBoxStep = 20;

struct Choice {
    const char* name;
    const char* caption;
};

struct ChoicePanel {
    const char* name;
    const char* heading;
    int left;
    int top;
    std::vector<Choice> boxes;
};

std::vector<Design> BuildComponents() {
    std::vector<Design> d;
    int label = 1;
    auto addLabel = [&](const std::string& parent, int left, int top, const char* caption,
                        ui::FontDesign font = {}) {
        d.push_back({.kind = Kind::Label, .name = "Label" + std::to_string(label++),
                     .parent = parent, .left = left, .top = top, .caption = caption,
                     .font = font});
    };
    auto addBox = [&](const std::string& parent, int left, int top, int width, const Choice& c,
                      bool enabled = true) {
        d.push_back({.kind = Kind::CheckBox, .name = c.name, .parent = parent, .left = left,
                     .top = top, .width = width, .height = kBoxHeight, .caption = c.caption,
                     .enabled = enabled});
    };

    d.push_back({.kind = Kind::GroupBox, .name = "GroupBox1", .left = 8, .top = 4, .width = 454,
                 .height = 318, .caption = "Settings measurement units"});
    const std::vector<ChoicePanel> panels = {
        {"Panel1", "Standard for engines", 6, 20,
         {{"CheckBox6", "(4,5,7)A-FE; (3,4,5)S-FE; 4A-GE"},
          {"CheckBox7", "1G-GTE"},
          {"CheckBox8", "1JZ-GTE"},
          {"CheckBox17", "My settings"}}},
        {"Panel2", "Измеритель на впуске", 256, 20,
         {{"CheckBox9", "MAP, kPa"},
          {"CheckBox10", "MAP, mm.merc.col."},
          {"CheckBox12", "MAP-Turbo, kPa"},
          {"CheckBox2", "MAP-Turbo, mm.merc.col."},
          {"CheckBox11", "MAF, gr/sec"},
          {"CheckBox13", "VAF, V"}}},
        {"Panel3", "IAC Valve duty ratio", 6, 136, {{"CheckBox1", "% from 255"}, {"CheckBox3", "Step"}}},
        {"Panel4", "Throttle/Pedal position", 256, 172,
         {{"CheckBox18", "Degrees"}, {"CheckBox19", "Percentages (%)"}}},
        {"Panel5", "Temperature dependence", 6, 208,
         {{"CheckBox4", "Direct"}, {"CheckBox5", "Inverse"}}},
        {"Panel6", "Rate correction", 256, 244,
         {{"CheckBox20", "Volts (V)"}, {"CheckBox21", "Percentages (%)"}}},
    };
    for (const ChoicePanel& p : panels) {
        // The left column is the wider: it holds the longest caption, the first preset's.
        const int width = p.left < 100 ? 246 : 192;
        const int height = 26 + kBoxStep * static_cast<int>(p.boxes.size());
        d.push_back({.kind = Kind::Panel, .name = p.name, .parent = "GroupBox1", .left = p.left,
                     .top = p.top, .width = width, .height = height,
                     .bevel = ui::Bevel::Lowered});
        addLabel(p.name, 6, 4, p.heading, kBold);
        int top = 22;
        for (const Choice& c : p.boxes) {
            addBox(p.name, 6, top, width - 12, c);
            top += kBoxStep;
        }
    }

    d.push_back({.kind = Kind::GroupBox, .name = "GroupBox2", .left = 8, .top = 326,
                 .width = 454, .height = 84, .caption = "Settings the reception"});
    addBox("GroupBox2", 14, 20, 420, {"CheckBox14", "Inverse adapter"});
    addBox("GroupBox2", 14, 40, 420, {"CheckBox15", "Voltage log. 1 on the DTR-pin"}, false);
    addBox("GroupBox2", 14, 60, 420, {"CheckBox16", "Reduced CPU usage"}, false);

    // The edits stand in the blanks that their labels leave for them (a fixed-pitch font).
    d.push_back({.kind = Kind::GroupBox, .name = "GroupBox3", .left = 8, .top = 414,
                 .width = 454, .height = 100, .caption = "Additional settings"});
    addLabel("GroupBox3", 10, 18, "For calculation of approximately fuel flow rate", kBold);
    addLabel("GroupBox3", 10, 40, "Performance of injector          gr/15sec");
    d.push_back({.kind = Kind::Edit, .name = "Edit1", .parent = "GroupBox3", .left = 176,
                 .top = 36, .width = 60, .height = 20, .caption = "55"});
    addLabel("GroupBox3", 10, 62, "Number of injectors");
    d.push_back({.kind = Kind::Edit, .name = "Edit2", .parent = "GroupBox3", .left = 176,
                 .top = 58, .width = 60, .height = 20, .caption = "4"});
    addLabel("GroupBox3", 10, 80, "Injectors is working     time per 2 turnovers of Crankshaft");
    d.push_back({.kind = Kind::Edit, .name = "Edit3", .parent = "GroupBox3", .left = 153,
                 .top = 77, .width = 30, .height = 20, .caption = "1"});

    d.push_back({.kind = Kind::GroupBox, .name = "GroupBox4", .left = 8, .top = 518,
                 .width = 454, .height = 38, .caption = "Launch"});
    addBox("GroupBox4", 14, 16, 420, {"CheckBox22", "Only one copy of the program at startup"});

    d.push_back({.kind = Kind::Button, .name = "Button1", .left = 197, .top = 560, .width = 75,
                 .height = 26, .caption = "OK", .font = kBold});
    return d;
}

}  // namespace

const ui::FormDesign& SettingsFormDesign() {
    static const ui::FormDesign design{
        .name = "Form9",
        .caption = "Program settings",
        .clientWidth = 470,
        .clientHeight = 590,
        .borderStyle = ui::BorderStyle::Dialog,
        .font = kFormFont,
        .keyPreview = true,
    };
    return design;
}

std::span<const ui::Design> SettingsFormComponents() {
    static const std::vector<Design> components = BuildComponents();
    return components;
}

}  // namespace velmorant
