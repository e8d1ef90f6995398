#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/design.h"
#include "ui/win_control.h"

namespace ui {

// A report list view: columns, and items with a caption (column 0) and sub-items (columns
// 1, 2 ...). The texts are kept here as well as in the control, which shows those that have
// a column. Between BeginUpdate and EndUpdate (which nest) the list does not repaint.
class ListView : public WinControl {
public:
    ListView(Form& owner, WinControl& parent, const Design& design);

    int ColumnCount() const { return static_cast<int>(columns_.size()); }
    void AddColumn(std::string_view caption, int width);
    int ColumnWidth(int column) const;
    void SetColumnWidth(int column, int width);

    int ItemCount() const { return static_cast<int>(items_.size()); }
    // Returns the new item's index.
    int AddItem(std::string_view caption, const std::vector<std::string>& subItems = {});
    const std::string& ItemCaption(int item) const;
    void SetItemCaption(int item, std::string_view caption);
    // Sub-item 0 is the text of column 1. Reading one that was never set gives "".
    std::string SubItem(int item, int subItem) const;
    void SetSubItem(int item, int subItem, std::string_view text);
    const std::vector<std::string>& SubItems(int item) const;
    void Clear();

    void BeginUpdate();
    void EndUpdate();

private:
    struct Item {
        std::string caption;
        std::vector<std::string> subItems;
    };
    const Item& At(int item) const;
    void ShowText(int item, int column, std::string_view text);

    std::vector<Column> columns_;
    std::vector<Item> items_;
    int updateDepth_ = 0;
};

}  // namespace ui
