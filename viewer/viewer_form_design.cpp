#include "viewer/viewer_form_design.h"

#include <vector>

#include "viewer/pane_design.h"

namespace velmorant::viewer {

namespace {

using ui::Column;
using ui::Design;
using ui::Kind;

// Places are set by the layout (ResizeComponents) whenever the window changes size.
std::vector<Design> BuildComponents() {
    std::vector<Design> d = {
        {.kind = Kind::StatusBar,
         .name = "StatusBar1",
         .columns = {Column{"", kViewerWidth / 2}, Column{"", 50}}},
        {.kind = Kind::Panel, .name = "Panel1", .visible = false, .bevel = ui::Bevel::None},
        {.kind = Kind::Panel,
         .name = "Panel2",
         .parent = "Panel1",
         .width = kLeftColumnWidth,
         .bevel = ui::Bevel::None},
    };
    for (const char* list : {"ListView1", "ListView2"})
        d.push_back({.kind = Kind::ListView,
                     .name = list,
                     .parent = "Panel2",
                     .width = kLeftColumnWidth,
                     .visible = false,
                     .gridLines = true,
                     .columns = {Column{"Parameter", 189}, Column{"Value", 110}}});
    for (const char* bar : {"ScrollBar_a", "ScrollBar_b"})
        d.push_back({.kind = Kind::ScrollBar,
                     .name = bar,
                     .parent = "Panel2",
                     .width = kLeftColumnWidth,
                     .height = 17,
                     .visible = false,
                     .min = 1,
                     .max = 1,
                     .position = 1});
    d.push_back(
        {.kind = Kind::Panel, .name = "Panel3", .parent = "Panel1", .bevel = ui::Bevel::None});
    for (const PaneTwin* twin : {&kPaneA, &kPaneB}) {
        d.push_back({.kind = Kind::Panel,
                     .name = std::string(twin->Panel),
                     .parent = "Panel3",
                     .visible = false});
        AddPaneComponents(d, *twin);
    }
    d.push_back({.kind = Kind::OpenDialog,
                 .name = "OpenDialog1",
                 .filter = "Velmorant 1.0|*.vmr",
                 .defaultExt = "vmr"});

    d.push_back({.kind = Kind::MainMenu, .name = "MainMenu1"});
    struct Item {
        const char* name;
        const char* parent;
        const char* caption;
    };
    const Item items[] = {
        {"N1", "MainMenu1", "File"},
        {"N2", "N1", "View first file"},
        {"N7", "N1", "View second file"},
        {"N3", "N1", "-"},
        {"N4", "N1", "Exit"},
        {"N5", "MainMenu1", "Help"},
        {"N6", "N5", "About"},
    };
    for (const Item& i : items)
        d.push_back(
            {.kind = Kind::MenuItem, .name = i.name, .parent = i.parent, .caption = i.caption});
    return d;
}

}  // namespace

const ui::FormDesign& ViewerFormDesign() {
    static const ui::FormDesign design{.name = "Form1",
                                       .caption = "Velmorant Viewer - view and compare data"};
    return design;
}

std::span<const ui::Design> ViewerFormComponents() {
    static const std::vector<Design> components = BuildComponents();
    return components;
}

}  // namespace velmorant::viewer
