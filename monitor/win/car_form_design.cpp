#include "monitor/win/car_form_design.h"

#include <string>
#include <vector>

#include "monitor/core/record_file.h"

namespace velmorant {

namespace {

using ui::Design;
using ui::Kind;

const ui::FontDesign kLabelFont{.name = "Courier New", .height = 16, .bold = true};
// The layer's fonts use the default character set and UTF-16 text, so Cyrillic shows in
// these fields without naming a Cyrillic character set.
const ui::FontDesign kFieldFont{
    .name = "Courier New", .height = 16, .bold = true, .colour = ui::kBlue};

constexpr int kGroupLeft = 8;
constexpr int kGroupWidth = 537;
constexpr int kGroupHeight = 100;
constexpr int kLabelLeft = 10;
constexpr int kFieldLeft = 190;
constexpr int kFieldWidth = 335;
constexpr int kRowHeight = 24;

struct Row {
    const char* label;
    Kind kind;
    const char* field;
    std::vector<std::string> items;
};

struct Group {
    const char* name;
    const char* caption;
    int top;
    std::vector<Row> rows;
};

std::vector<Design> BuildComponents() {
    const std::vector<Group> groups = {
        {"GroupBox1", "Car", 4,
         {{"Model: ", Kind::Edit, "Edit1", {}},
          {"Year:", Kind::ComboBox, "ComboBox1",
           {"2001", "2000", "1999", "1998", "1997", "1996", "1995", "1994", "1993", "1992",
            "1991", "1990"}},
          {"Mileage:", Kind::Edit, "Edit4", {}}}},
        {"GroupBox2", "Engine", 108,
         {{"Model: ", Kind::Edit, "Edit2", {}},
          {"Engine type:", Kind::ComboBox, "ComboBox2", {"Inline", "V"}},
          {"Cylinders num.:", Kind::ComboBox, "ComboBox3", {"4", "6", "8", "12"}}}},
        {"GroupBox3", "Transaxle", 212,
         {{"Model:", Kind::Edit, "Edit3", {}},
          {"Transmission:", Kind::ComboBox, "ComboBox4", {"Auto", "Manual"}},
          {"Drive:", Kind::ComboBox, "ComboBox5", {"Front", "Rear", "4WD"}}}},
    };

    std::vector<Design> d;
    int label = 1;
    for (const Group& g : groups) {
        d.push_back({.kind = Kind::GroupBox, .name = g.name, .left = kGroupLeft, .top = g.top,
                     .width = kGroupWidth, .height = kGroupHeight, .caption = g.caption,
                     .font = kLabelFont});
        int top = 20;
        for (const Row& r : g.rows) {
            d.push_back({.kind = Kind::Label, .name = "Label" + std::to_string(label++),
                         .parent = g.name, .left = kLabelLeft, .top = top + 4,
                         .caption = r.label, .font = kLabelFont});
            // What the user enters opens again: the reader takes no longer field.
            d.push_back({.kind = r.kind, .name = r.field, .parent = g.name, .left = kFieldLeft,
                         .top = top, .width = kFieldWidth, .height = kRowHeight,
                         .font = kFieldFont, .maxLength = static_cast<int>(kMaxCarFieldLength),
                         .items = r.items});
            top += 26;
        }
    }
    d.push_back({.kind = Kind::Label, .name = "Label" + std::to_string(label++), .left = 10,
                 .top = 318, .caption = "Additional description:", .font = kLabelFont});
    d.push_back({.kind = Kind::Memo, .name = "Memo1", .left = 8, .top = 338, .width = 537,
                 .height = 110, .font = kFieldFont, .scrollBars = ui::ScrollBars::Vertical});
    d.push_back({.kind = Kind::Label, .name = "Label" + std::to_string(label++), .left = 10,
                 .top = 454, .caption = "Reasons for diagnostics:", .font = kLabelFont});
    d.push_back({.kind = Kind::Memo, .name = "Memo2", .left = 8, .top = 474, .width = 537,
                 .height = 110, .font = kFieldFont, .scrollBars = ui::ScrollBars::Vertical});
    d.push_back({.kind = Kind::Button, .name = "Button1", .left = 239, .top = 592, .width = 75,
                 .height = 28, .caption = "OK", .font = kLabelFont});
    return d;
}

}  // namespace

const ui::FormDesign& CarFormDesign() {
    static const ui::FormDesign design{
        .name = "Form6",
        .caption = "Car description and comments",
        .clientWidth = 553,
        .clientHeight = 628,
        .borderStyle = ui::BorderStyle::Dialog,
        .keyPreview = true,
    };
    return design;
}

std::span<const ui::Design> CarFormComponents() {
    static const std::vector<Design> components = BuildComponents();
    return components;
}

}  // namespace velmorant
