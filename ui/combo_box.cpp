#include "ui/combo_box.h"

#include <stdexcept>

#include "ui/design.h"
#include "ui/form.h"
#include "ui/text.h"

namespace ui {

namespace {
// The window height of a combo box includes its dropped-down list: room for eight items.
constexpr int kListHeight = 8 * 16 + 4;
}

ComboBox::ComboBox(Form& owner, WinControl& parent, const Design& design)
    : WinControl(design.name, &owner, &parent), dropDownList_(design.dropDownList) {
    Design tall = design;
    tall.height = (design.height > 0 ? design.height : 21) + kListHeight;
    tall.caption.clear();
    const bool ownerDrawn = dropDownList_ && design.itemHeight > 0;
    if (ownerDrawn) itemHeight_ = design.itemHeight;
    CreateChild(L"COMBOBOX",
                (dropDownList_ ? CBS_DROPDOWNLIST : CBS_DROPDOWN) | CBS_AUTOHSCROLL | WS_VSCROLL |
                    WS_TABSTOP | (ownerDrawn ? CBS_OWNERDRAWFIXED | CBS_HASSTRINGS : 0),
                0, tall);
    ApplyItemHeight();
    if (design.maxLength > 0 && !dropDownList_)
        SendMessageW(Handle(), CB_LIMITTEXT, design.maxLength, 0);
    for (const auto& item : design.items) AddItem(item);
    if (!design.caption.empty()) SetCaption(design.caption);
}

int ComboBox::ItemCount() const {
    return static_cast<int>(SendMessageW(Handle(), CB_GETCOUNT, 0, 0));
}

std::string ComboBox::Item(int index) const {
    LRESULT n = SendMessageW(Handle(), CB_GETLBTEXTLEN, index, 0);
    if (n == CB_ERR) throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    std::wstring w(static_cast<std::size_t>(n) + 1, L'\0');
    SendMessageW(Handle(), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(w.data()));
    w.resize(static_cast<std::size_t>(n));
    return WideToCp1251(w);
}

std::vector<std::string> ComboBox::Items() const {
    std::vector<std::string> items;
    for (int i = 0, n = ItemCount(); i < n; ++i) items.push_back(Item(i));
    return items;
}

void ComboBox::AddItem(std::string_view item) {
    SendMessageW(Handle(), CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(Cp1251ToWide(item).c_str()));
}

void ComboBox::ClearItems() { SendMessageW(Handle(), CB_RESETCONTENT, 0, 0); }

int ComboBox::ItemIndex() const {
    return static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0));
}

void ComboBox::SetItemIndex(int index) {
    if (index < -1 || index >= ItemCount())
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    SendMessageW(Handle(), CB_SETCURSEL, index, 0);
}

std::string ComboBox::Caption() const {
    if (dropDownList_) {
        int i = ItemIndex();
        return i < 0 ? std::string() : Item(i);
    }
    return WinControl::Caption();
}

void ComboBox::SetCaption(std::string_view text) {
    if (Caption() == text) return;
    if (dropDownList_) {
        int found = -1;
        // Exact and case-sensitive: CB_FINDSTRINGEXACT ignores case.
        for (int i = 0, n = ItemCount(); i < n && found < 0; ++i)
            if (Item(i) == text) found = i;
        SendMessageW(Handle(), CB_SETCURSEL, found, 0);
    } else {
        settingText_ = true;
        SetWindowTextW(Handle(), Cp1251ToWide(text).c_str());
        settingText_ = false;
    }
    if (OnChange) OnChange();
}

void ComboBox::SetBounds(int left, int top, int width, int height) {
    WinControl::SetBounds(left, top, width, height + kListHeight);
}

LRESULT ComboBox::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    // The box's edit and list ask the box itself for their colours before it asks its parent.
    if (msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORLISTBOX)
        return reinterpret_cast<LRESULT>(ControlColour(reinterpret_cast<HDC>(wParam)));
    return WinControl::WindowProc(msg, wParam, lParam);
}

void ComboBox::ApplyItemHeight() {
    if (itemHeight_ == 0) return;
    // The box asks its parent for the height while it is being created, before this object
    // answers for it, and a new font makes it measure again; the height is set here instead,
    // for the field and the list.
    SendMessageW(Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), itemHeight_);
    SendMessageW(Handle(), CB_SETITEMHEIGHT, 0, itemHeight_);
}

void ComboBox::ApplyFont() {
    WinControl::ApplyFont();
    ApplyItemHeight();
}

void ComboBox::DrawItem(const DRAWITEMSTRUCT& draw) {
    HDC dc = draw.hDC;
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    // Items in the control's font and font colour, the selected one highlighted.
    SetTextColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : ToRgb(GetFont().colour));
    SetBkColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHT) : ToRgb(GetColour()));
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(Handle(), WM_GETFONT, 0, 0)));
    std::wstring text;
    if (draw.itemID != static_cast<UINT>(-1))
        text = Cp1251ToWide(Item(static_cast<int>(draw.itemID)));
    RECT r = draw.rcItem;
    ExtTextOutW(dc, r.left + 2, r.top, ETO_OPAQUE | ETO_CLIPPED, &r, text.c_str(),
                static_cast<UINT>(text.size()), nullptr);
    SelectObject(dc, old);
    if ((draw.itemState & ODS_FOCUS) && !(draw.itemState & ODS_NOFOCUSRECT)) DrawFocusRect(dc, &r);
}

bool ComboBox::Reflected(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_DRAWITEM) {
        DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        result = TRUE;
        return true;
    }
    if (msg != WM_COMMAND) return false;
    switch (HIWORD(wParam)) {
        case CBN_EDITCHANGE:
            if (!settingText_ && OnChange) OnChange();
            break;
        case CBN_SELCHANGE: {
            // At this point an editable box still shows the old text; the handler must see
            // the picked one.
            int i = ItemIndex();
            if (!dropDownList_ && i >= 0) {
                settingText_ = true;
                SetWindowTextW(Handle(), Cp1251ToWide(Item(i)).c_str());
                settingText_ = false;
            }
            if (OnChange) OnChange();
            break;
        }
        default:
            return false;
    }
    result = 0;
    return true;
}

void ComboBox::ApplyHint() {
    WinControl::ApplyHint();
    // The mouse is over the box's own edit most of the time, so the hint goes there too.
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (Owner() && GetComboBoxInfo(Handle(), &info) && info.hwndItem && info.hwndItem != Handle())
        Owner()->SetToolHint(info.hwndItem, Hint());
}

}  // namespace ui
