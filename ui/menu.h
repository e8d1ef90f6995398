#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/component.h"

namespace ui {

class ImageList;
class MainMenu;

// One command or submenu of a main menu. Its state lives in the Win32 menu; the object
// keeps what it needs to address its item (the menu it sits in and its position there,
// which stay put because items are only ever appended).
class MenuItem : public Component {
public:
    MenuItem(Form& owner, std::string name, MainMenu& menu, MenuItem* parentItem,
             std::string caption, int imageIndex, bool checked, bool enabled);

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string_view caption);
    bool IsSeparator() const { return caption_ == "-"; }
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    int ImageIndex() const { return imageIndex_; }

    MainMenu& Menu() const { return menu_; }
    MenuItem* ParentItem() const { return parentItem_; }
    int Count() const { return static_cast<int>(items_.size()); }
    MenuItem& Item(int index) const { return *items_.at(static_cast<std::size_t>(index)); }
    // The command identifier of WM_COMMAND.
    UINT Command() const { return command_; }
    // The drop-down menu of a submenu item; nullptr while the item has no items.
    HMENU Submenu() const { return submenu_; }

    std::function<void()> OnClick;
    // Runs OnClick as choosing the command does.
    void Click();

private:
    friend class MainMenu;
    void Append(MenuItem& child);
    void Update();

    MainMenu& menu_;
    MenuItem* parentItem_;
    HMENU container_ = nullptr;
    UINT position_ = 0;
    UINT command_;
    HMENU submenu_ = nullptr;
    std::vector<MenuItem*> items_;
    std::string caption_;
    int imageIndex_;
    bool checked_;
    bool enabled_;
};

// The menu bar of a form. Items with an image index show that picture of the image list.
class MainMenu : public Component {
public:
    MainMenu(Form& owner, std::string name, ImageList* images);
    ~MainMenu() override;

    HMENU Handle() const { return menu_; }
    ImageList* Images() const { return images_; }
    int Count() const { return static_cast<int>(items_.size()); }
    MenuItem& Item(int index) const { return *items_.at(static_cast<std::size_t>(index)); }
    MenuItem* FindCommand(UINT command) const;

    // Layer internals: building, and the owner-drawn pictures of the form's menus.
    void Append(MenuItem& item);
    UINT NextCommand() { return nextCommand_++; }
    bool MeasureItem(MEASUREITEMSTRUCT& measure) const;
    bool DrawItem(const DRAWITEMSTRUCT& draw) const;
    void Redraw() const;

protected:
    // A menu that no form shows as its bar.
    MainMenu(Form& owner, std::string name, HMENU menu);

private:
    HMENU menu_;
    ImageList* images_;
    std::vector<MenuItem*> items_;
    UINT nextCommand_ = 100;
};

// A menu that opens at the mouse (a control's right click) and runs the item chosen.
class PopupMenu : public MainMenu {
public:
    PopupMenu(Form& owner, std::string name);

    // Runs before the menu shows.
    std::function<void()> OnPopup;
    // Shows the menu at a screen point until an item is chosen or the menu is dismissed.
    void Popup(int screenX, int screenY);
};

}  // namespace ui
