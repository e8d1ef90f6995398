#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/win_control.h"

namespace ui {

// A drop-down combo box: editable (any text can be typed) or a fixed list. A fixed list
// designed with an item height is owner-drawn, so its items show in the font colour.
//
// OnChange runs when the user types or picks an item, and when Text is set from code to a
// different text. Setting ItemIndex from code runs no handler; the windows run theirs
// themselves when they want it. For a fixed list the text is the selected item's, and
// setting a text selects the item that has exactly that text, or none. Into an editable box
// the user types and pastes at most the design's maxLength characters.
class ComboBox : public WinControl {
public:
    ComboBox(Form& owner, WinControl& parent, const Design& design);

    bool IsDropDownList() const { return dropDownList_; }

    int ItemCount() const;
    std::string Item(int index) const;
    std::vector<std::string> Items() const;
    void AddItem(std::string_view item);
    // Empties the list (and the text with it, as Win32 does).
    void ClearItems();

    int ItemIndex() const;
    // -1 selects nothing; an index outside the list is a program error.
    void SetItemIndex(int index);

    std::string Caption() const override;
    void SetCaption(std::string_view text) override;
    void SetBounds(int left, int top, int width, int height) override;

    std::function<void()> OnChange;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool Reflected(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void ApplyHint() override;
    void ApplyFont() override;

private:
    void DrawItem(const DRAWITEMSTRUCT& draw);
    void ApplyItemHeight();

    bool dropDownList_;
    bool settingText_ = false;
    int itemHeight_ = 0;  // owner-drawn lists
};

}  // namespace ui
