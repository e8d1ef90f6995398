#include "ui/menu.h"

#include "ui/form.h"
#include "ui/image_list.h"
#include "ui/text.h"

namespace ui {

namespace {

MENUITEMINFOW Info(UINT mask) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = mask;
    return info;
}

MenuItem* Find(const MenuItem& item, UINT command) {
    if (item.Command() == command) return const_cast<MenuItem*>(&item);
    for (int i = 0; i < item.Count(); ++i)
        if (MenuItem* found = Find(item.Item(i), command)) return found;
    return nullptr;
}

}  // namespace

MenuItem::MenuItem(Form& owner, std::string name, MainMenu& menu, MenuItem* parentItem,
                   std::string caption, int imageIndex, bool checked, bool enabled)
    : Component(std::move(name), &owner),
      menu_(menu),
      parentItem_(parentItem),
      command_(menu.NextCommand()),
      caption_(std::move(caption)),
      imageIndex_(imageIndex),
      checked_(checked),
      enabled_(enabled) {
    if (parentItem_)
        parentItem_->Append(*this);
    else
        menu_.Append(*this);
}

void MenuItem::Append(MenuItem& child) {
    if (!submenu_) {
        submenu_ = CreatePopupMenu();
        MENUITEMINFOW info = Info(MIIM_SUBMENU);
        info.hSubMenu = submenu_;
        SetMenuItemInfoW(container_, position_, TRUE, &info);
    }
    child.container_ = submenu_;
    child.position_ = static_cast<UINT>(items_.size());
    items_.push_back(&child);
    std::wstring text = Cp1251ToWide(child.caption_);
    MENUITEMINFOW info = Info(MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_STATE);
    info.fType = child.IsSeparator() ? MFT_SEPARATOR : MFT_STRING;
    info.wID = child.command_;
    info.dwTypeData = text.data();
    InsertMenuItemW(submenu_, child.position_, TRUE, &info);
    child.Update();
}

void MenuItem::Update() {
    MENUITEMINFOW info = Info(MIIM_STATE | MIIM_BITMAP);
    info.fState = (checked_ ? MFS_CHECKED : MFS_UNCHECKED) | (enabled_ ? MFS_ENABLED : MFS_DISABLED);
    // The picture is drawn by the form on WM_DRAWITEM, where it can be faded when disabled
    // and drawn with its transparent colour on whatever the menu's background is.
    info.hbmpItem = imageIndex_ >= 0 && menu_.Images() ? HBMMENU_CALLBACK : nullptr;
    SetMenuItemInfoW(container_, position_, TRUE, &info);
    if (container_ == menu_.Handle()) menu_.Redraw();
}

void MenuItem::SetCaption(std::string_view caption) {
    caption_ = caption;
    std::wstring text = Cp1251ToWide(caption_);
    MENUITEMINFOW info = Info(MIIM_FTYPE | MIIM_STRING);
    info.fType = IsSeparator() ? MFT_SEPARATOR : MFT_STRING;
    info.dwTypeData = text.data();
    SetMenuItemInfoW(container_, position_, TRUE, &info);
    if (container_ == menu_.Handle()) menu_.Redraw();
}

void MenuItem::SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    Update();
}

void MenuItem::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Update();
}

void MenuItem::Click() {
    if (OnClick) OnClick();
}

MainMenu::MainMenu(Form& owner, std::string name, ImageList* images)
    : Component(std::move(name), &owner), menu_(CreateMenu()), images_(images) {
    ::SetMenu(owner.Handle(), menu_);
    owner.SetMenu(this);
}

MainMenu::MainMenu(Form& owner, std::string name, HMENU menu)
    : Component(std::move(name), &owner), menu_(menu), images_(nullptr) {}

MainMenu::~MainMenu() {
    if (Owner() && Owner()->Handle() && GetMenu(Owner()->Handle()) == menu_)
        ::SetMenu(Owner()->Handle(), nullptr);
    DestroyMenu(menu_);
    if (Owner() && Owner()->Menu() == this) Owner()->SetMenu(nullptr);
}

void MainMenu::Append(MenuItem& item) {
    item.container_ = menu_;
    item.position_ = static_cast<UINT>(items_.size());
    items_.push_back(&item);
    std::wstring text = Cp1251ToWide(item.caption_);
    MENUITEMINFOW info = Info(MIIM_FTYPE | MIIM_ID | MIIM_STRING);
    info.fType = item.IsSeparator() ? MFT_SEPARATOR : MFT_STRING;
    info.wID = item.command_;
    info.dwTypeData = text.data();
    InsertMenuItemW(menu_, item.position_, TRUE, &info);
    item.Update();
}

MenuItem* MainMenu::FindCommand(UINT command) const {
    for (MenuItem* item : items_)
        if (MenuItem* found = Find(*item, command)) return found;
    return nullptr;
}

void MainMenu::Redraw() const {
    if (Owner() && Owner()->Handle() && GetMenu(Owner()->Handle()) == menu_)
        DrawMenuBar(Owner()->Handle());
}

PopupMenu::PopupMenu(Form& owner, std::string name)
    : MainMenu(owner, std::move(name), CreatePopupMenu()) {}

void PopupMenu::Popup(int screenX, int screenY) {
    if (OnPopup) OnPopup();
    HWND owner = Owner() ? Owner()->Handle() : nullptr;
    // The command comes back as the result rather than as WM_COMMAND: the form's own
    // command dispatch knows only its main menu.
    const UINT command = static_cast<UINT>(TrackPopupMenu(
        Handle(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN, screenX, screenY, 0, owner,
        nullptr));
    if (command == 0) return;
    if (MenuItem* item = FindCommand(command)) item->Click();
}

bool MainMenu::MeasureItem(MEASUREITEMSTRUCT& measure) const {
    MenuItem* item = FindCommand(measure.itemID);
    if (!item || !images_) return false;
    // A little room each side, or the caption starts right at the picture.
    measure.itemWidth = static_cast<UINT>(images_->Width() + 4);
    measure.itemHeight = static_cast<UINT>(images_->Height());
    return true;
}

bool MainMenu::DrawItem(const DRAWITEMSTRUCT& draw) const {
    MenuItem* item = FindCommand(draw.itemID);
    if (!item || !images_ || item->ImageIndex() < 0) return false;
    const RECT& r = draw.rcItem;
    int x = r.left + (r.right - r.left - images_->Width()) / 2;
    int y = r.top + (r.bottom - r.top - images_->Height()) / 2;
    images_->Draw(draw.hDC, x, y, item->ImageIndex(), !(draw.itemState & ODS_GRAYED) && item->Enabled());
    return true;
}

}  // namespace ui
