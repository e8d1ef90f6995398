#include "ui/list_view.h"

#include <commctrl.h>

#include <stdexcept>

#include "ui/text.h"

namespace ui {

ListView::ListView(Form& owner, WinControl& parent, const Design& design)
    : WinControl(design.name, &owner, &parent) {
    Design plain = design;
    plain.caption.clear();
    CreateChild(WC_LISTVIEWW, LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL | WS_TABSTOP,
                WS_EX_CLIENTEDGE, plain);
    DWORD ex = design.gridLines ? LVS_EX_GRIDLINES : 0;
    SendMessageW(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES, ex);
    for (const auto& c : design.columns) AddColumn(c.caption, c.width);
}

void ListView::AddColumn(std::string_view caption, int width) {
    std::wstring text = Cp1251ToWide(caption);
    LVCOLUMNW col{};
    col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    col.pszText = text.data();
    col.cx = width;
    col.iSubItem = ColumnCount();
    SendMessageW(Handle(), LVM_INSERTCOLUMNW, ColumnCount(), reinterpret_cast<LPARAM>(&col));
    columns_.push_back({std::string(caption), width});
    int column = ColumnCount() - 1;
    if (column > 0)
        for (int i = 0; i < ItemCount(); ++i) ShowText(i, column, SubItem(i, column - 1));
}

int ListView::ColumnWidth(int column) const {
    return static_cast<int>(SendMessageW(Handle(), LVM_GETCOLUMNWIDTH, column, 0));
}

void ListView::SetColumnWidth(int column, int width) {
    SendMessageW(Handle(), LVM_SETCOLUMNWIDTH, column, MAKELPARAM(width, 0));
}

const ListView::Item& ListView::At(int item) const {
    if (item < 0 || item >= ItemCount())
        throw std::out_of_range("List index out of bounds (" + std::to_string(item) + ")");
    return items_[static_cast<std::size_t>(item)];
}

void ListView::ShowText(int item, int column, std::string_view text) {
    if (column >= ColumnCount() && column > 0) return;
    std::wstring w = Cp1251ToWide(text);
    LVITEMW lv{};
    lv.iSubItem = column;
    lv.pszText = w.data();
    SendMessageW(Handle(), LVM_SETITEMTEXTW, item, reinterpret_cast<LPARAM>(&lv));
}

int ListView::AddItem(std::string_view caption, const std::vector<std::string>& subItems) {
    std::wstring w = Cp1251ToWide(caption);
    LVITEMW lv{};
    lv.mask = LVIF_TEXT;
    lv.iItem = ItemCount();
    lv.pszText = w.data();
    int index = static_cast<int>(
        SendMessageW(Handle(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&lv)));
    if (index < 0) throw std::runtime_error("Unable to add an item to " + Name());
    items_.push_back({std::string(caption), subItems});
    for (std::size_t s = 0; s < subItems.size(); ++s)
        ShowText(index, static_cast<int>(s) + 1, subItems[s]);
    return index;
}

const std::string& ListView::ItemCaption(int item) const { return At(item).caption; }

void ListView::SetItemCaption(int item, std::string_view caption) {
    At(item);
    items_[static_cast<std::size_t>(item)].caption = caption;
    ShowText(item, 0, caption);
}

std::string ListView::SubItem(int item, int subItem) const {
    const auto& subs = At(item).subItems;
    return subItem >= 0 && subItem < static_cast<int>(subs.size())
               ? subs[static_cast<std::size_t>(subItem)]
               : std::string();
}

void ListView::SetSubItem(int item, int subItem, std::string_view text) {
    At(item);
    if (subItem < 0) throw std::out_of_range("List index out of bounds (" + std::to_string(subItem) + ")");
    auto& subs = items_[static_cast<std::size_t>(item)].subItems;
    if (static_cast<int>(subs.size()) <= subItem) subs.resize(static_cast<std::size_t>(subItem) + 1);
    subs[static_cast<std::size_t>(subItem)] = text;
    ShowText(item, subItem + 1, text);
}

const std::vector<std::string>& ListView::SubItems(int item) const { return At(item).subItems; }

void ListView::Clear() {
    SendMessageW(Handle(), LVM_DELETEALLITEMS, 0, 0);
    items_.clear();
}

void ListView::BeginUpdate() {
    if (updateDepth_++ == 0) SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
}

void ListView::EndUpdate() {
    if (updateDepth_ == 0 || --updateDepth_ > 0) return;
    SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
    // On Windows, turning redraw back on sets WS_VISIBLE again (the default handling of
    // WM_SETREDRAW does), which would show a list hidden inside the bracket. Wine's list
    // view leaves the style alone.
    if (!Visible()) ShowWindow(Handle(), SW_HIDE);
    InvalidateRect(Handle(), nullptr, TRUE);
}

}  // namespace ui
