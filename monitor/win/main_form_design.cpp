#include "monitor/win/main_form_design.h"

#include <vector>

namespace velmorant {

namespace {

using ui::Column;
using ui::Design;
using ui::Kind;

constexpr char kBookmarkHint[] =
    "To remember frame number - the left button of the mouse, to clear - the right button";
constexpr char kReferenceHint[] =
    "To write - the left button of the mouse, to clear - the right button";

const ui::FontDesign kBold{.name = "", .height = 0, .bold = true};

std::vector<Design> BuildComponents() {
    std::vector<Design> d = {
        {.kind = Kind::ComboBox, .name = "ComboBox1", .left = 0, .top = 0, .width = 97,
         .height = 21, .hint = "Com port", .font = kBold},
        {.kind = Kind::Button, .name = "Button1", .left = 102, .top = 0, .width = 59,
         .height = 24, .caption = "Read", .hint = "Start/stop reading from port", .font = kBold},
        {.kind = Kind::Button, .name = "Button6", .left = 165, .top = 0, .width = 25,
         .height = 24, .caption = ">", .hint = "Playback from current frame/stop",
         .font = kBold},
        {.kind = Kind::Button, .name = "Button5", .left = 192, .top = 0, .width = 67,
         .height = 25, .caption = "Del. frame", .hint = "Delete current frame", .font = kBold},
        {.kind = Kind::ListView, .name = "ListView1", .left = 0, .top = 24, .width = 233,
         .height = 481, .gridLines = true, .columns = {Column{"Parameter", 228}}},
        {.kind = Kind::ListView, .name = "ListView2", .left = 232, .top = 24, .width = 97,
         .height = 481, .gridLines = true, .columns = {Column{"Value", 90}}},
    };
    // The reference columns and their buttons, shown with "Three References".
    for (int r = 0; r < 3; ++r) {
        d.push_back({.kind = Kind::ListView, .name = "ListView" + std::to_string(3 + r),
                     .left = 331 + 96 * r, .top = 24, .width = 97, .height = 481,
                     .visible = false, .columns = {Column{"Value", 90}}});
        d.push_back({.kind = Kind::Button, .name = "Button" + std::to_string(2 + r),
                     .left = 341 + 96 * r, .top = 0, .width = 80, .height = 24,
                     .caption = "№" + std::to_string(1 + r), .hint = kReferenceHint,
                     .font = kBold, .visible = false});
    }
    d.push_back({.kind = Kind::ListView, .name = "ListView6", .left = 331, .top = 24,
                 .width = 97, .height = 481, .visible = false,
                 .columns = {Column{"Value", 90}}});
    d.push_back({.kind = Kind::Label, .name = "Label1", .left = 350, .top = 0,
                 .caption = "Bytes", .font = kBold, .visible = false});
    d.push_back({.kind = Kind::Label, .name = "Label2", .left = 350, .top = 11,
                 .caption = "protocol", .font = kBold, .visible = false});
    d.push_back({.kind = Kind::Edit, .name = "Edit1", .left = 0, .top = 504, .width = 329,
                 .height = 24, .caption = "No Data", .hint = "Some information is displayed",
                 .font = {.name = "", .height = 13, .bold = true}, .readOnly = true});
    d.push_back({.kind = Kind::Panel, .name = "Panel1", .left = 0, .top = 528, .width = 20,
                 .height = 20, .bevel = ui::Bevel::Lowered});
    d.push_back({.kind = Kind::Image, .name = "Image1", .parent = "Panel1", .left = 2,
                 .top = 4, .width = 15, .height = 12, .stretch = true});
    d.push_back({.kind = Kind::ScrollBar, .name = "ScrollBar1", .left = 21, .top = 530,
                 .width = 308, .height = 17, .hint = "Position concerning all record",
                 .min = 1, .max = 1, .position = 1, .largeChange = 10});
    // Two rows of 20 pixels, so the second ends above the status bar.
    for (int n = 1; n <= 10; ++n) {
        const int place = (n - 1) % 5;
        d.push_back({.kind = Kind::Button, .name = "BitBtn" + std::to_string(n),
                     .left = place * 66, .top = n <= 5 ? 553 : 573, .width = 66, .height = 20,
                     .caption = "0", .hint = kBookmarkHint});
    }
    d.push_back({.kind = Kind::StatusBar, .name = "StatusBar1", .columns = {Column{"", 50}}});
    d.push_back({.kind = Kind::Memo, .name = "Memo1", .visible = false});
    d.push_back({.kind = Kind::OpenDialog, .name = "OpenDialog1",
                 .filter = "Velmorant 1.0|*.vmr", .defaultExt = "vmr"});
    // Replacing an existing file is asked by the program, not the dialog (whose question
    // defaults to Yes).
    d.push_back({.kind = Kind::SaveDialog, .name = "SaveDialog1",
                 .filter = "Velmorant 1.0|*.vmr|Excel|*.csv", .defaultExt = "vmr"});

    Design images{.kind = Kind::ImageList, .name = "ImageList1"};
    for (int i = 0; i < 15; ++i) images.items.push_back("MENU" + std::to_string(i));
    d.push_back(images);
    d.push_back({.kind = Kind::MainMenu, .name = "MainMenu1", .images = "ImageList1"});
    struct Item { const char* name; const char* parent; const char* caption; int image; };
    const Item items[] = {
        {"N1", "MainMenu1", "File", -1},
        {"N14", "N1", "New", 0},
        {"N2", "N1", "View", 1},
        {"N3", "N1", "Save As ...", 2},
        {"N7", "N1", "-", -1},
        {"N28", "N1", "Car Description and Comments", 3},
        {"N29", "N1", "-", -1},
        {"N4", "N1", "Exit", 4},
        {"N5", "MainMenu1", "Type", -1},
        {"N8", "N5", "Charts", 5},
        {"N31", "N5", "Large Data Display", 6},
        {"N10", "N5", "Driving Parameters", 7},
        {"N11", "N5", "-", -1},
        {"N13", "N5", "Three References", -1},
        {"N12", "N5", "Bytes Protocol", -1},
        {"N19", "MainMenu1", "More", -1},
        {"N25", "N19", "Check Performance", 8},
        {"N32", "N19", "Check The Cable On The Inversion", 9},
        {"N15", "N19", "-", -1},
        {"N34", "N19", "Program Settings", 10},
        {"N6", "MainMenu1", "Help", -1},
        {"N26", "N6", "About", 11},
        {"N9", "N6", "Working With The Program", 12},
    };
    for (const Item& i : items)
        d.push_back({.kind = Kind::MenuItem, .name = i.name, .parent = i.parent,
                     .caption = i.caption, .enabled = std::string(i.name) != "N29",
                     .imageIndex = i.image});

    struct TimerDesign { const char* name; int interval; };
    const TimerDesign timers[] = {{"Timer1", 30},   {"Timer2", 200}, {"Timer3", 100},
                                  {"Timer4", 1000}, {"Timer5", 10},  {"Timer6", 250},
                                  {"Timer7", 600}};
    for (const TimerDesign& t : timers)
        d.push_back({.kind = Kind::Timer, .name = t.name, .enabled = false,
                     .interval = t.interval});
    return d;
}

}  // namespace

const ui::FormDesign& MainFormDesign() {
    static const ui::FormDesign design{.name = "Form1",
                                       .caption = "Velmorant",
                                       .clientWidth = 330,
                                       .clientHeight = 614,
                                       .borderStyle = ui::BorderStyle::Single,
                                       .minimizeBox = false,
                                       .maximizeBox = false,
                                       .keyPreview = true};
    return design;
}

std::span<const ui::Design> MainFormComponents() {
    static const std::vector<Design> components = BuildComponents();
    return components;
}

}  // namespace velmorant
