#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/colour.h"

namespace ui {

// A form's design is data: one FormDesign and a table of Design rows, written beside the
// form's code with designated initializers. The layer builds the controls from it in table
// order, so a parent comes before its children and an image list before the menu that
// shows it. Fields must be given in the order they are declared here.

enum class Kind {
    Label,
    Button,
    CheckBox,
    Edit,
    Memo,
    ComboBox,
    ListView,
    Panel,
    GroupBox,
    Image,
    ScrollBar,
    TrackBar,
    StatusBar,
    ImageList,
    MainMenu,
    MenuItem,
    Timer,
    OpenDialog,
    SaveDialog,
    ColourDialog,
    PopupMenu,
    SpeedButton,
};

// Unset fields take the parent's font, as designed controls usually do.
struct FontDesign {
    std::string name;
    int height = 0;  // character height in pixels
    std::optional<bool> bold;
    Colour colour = kDefaultColour;
};

// A list view column (caption, width) or a status bar panel (text, width).
struct Column {
    std::string caption;
    int width = 50;
};

enum class ScrollBars { None, Vertical, Horizontal, Both };
enum class Bevel { None, Raised, Lowered };

struct Design {
    Kind kind = Kind::Label;
    std::string name;
    // Empty: the form. A menu item's parent is its main menu or the item it drops down from;
    // an image's, a panel or the form.
    std::string parent;
    int left = 0;
    int top = 0;
    int width = 0;  // labels: 0 sizes them to their caption
    int height = 0;
    std::string caption;  // caption or text; for a menu item "-" is a separator
    std::string hint;
    FontDesign font;
    Colour colour = kDefaultColour;
    bool visible = true;
    bool enabled = true;  // timers: running
    bool readOnly = false;      // edits, memos
    int maxLength = 0;          // edits, editable combo boxes: most the user enters; 0 none
    bool checked = false;       // check boxes, menu items
    bool dropDownList = false;  // combo boxes: a fixed list rather than an editable box
    bool gridLines = false;     // list views
    bool stretch = false;       // images
    ScrollBars scrollBars = ScrollBars::None;  // memos
    Bevel bevel = Bevel::Raised;               // panels
    std::vector<std::string> items;  // combo box items, memo lines, image list bitmap resources
    std::vector<Column> columns;     // list view columns, status bar panels
    std::string picture;             // images: bitmap resource
    std::string images;              // main menus: the image list
    int imageIndex = -1;             // menu items
    int min = 0;                     // scroll bars, track bars
    int max = 100;
    int position = 0;
    int smallChange = 1;
    int largeChange = 1;
    int interval = 1000;     // timers, milliseconds
    std::string filter;      // file dialogs: "Description|*.ext|..."
    std::string defaultExt;  // file dialogs
    int itemHeight = 0;            // fixed-list combo boxes: owner-drawn, items this high
    std::string popupMenu;         // controls: the popup menu the right button opens
};

enum class BorderStyle {
    Sizeable,  // resizable frame, minimize and maximize boxes as given
    Single,    // fixed frame, minimize and maximize boxes as given
    Dialog,    // fixed dialog frame with only the system menu
};

struct FormDesign {
    std::string name;
    std::string caption;
    int left = 0;
    int top = 0;
    int clientWidth = 0;
    int clientHeight = 0;
    BorderStyle borderStyle = BorderStyle::Sizeable;
    bool minimizeBox = true;
    bool maximizeBox = true;
    FontDesign font;
    Colour colour = kDefaultColour;
    bool keyPreview = false;
};

}  // namespace ui
