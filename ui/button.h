#pragma once

#include <functional>

#include "ui/win_control.h"

namespace ui {

// A push button. OnMouseDown (from Control) tells which mouse button went down; OnClick
// follows a left click or the keyboard.
class Button : public WinControl {
public:
    Button(Form& owner, WinControl& parent, const Design& design);

    std::function<void()> OnClick;
    // Runs OnClick as a click does.
    void Click();

protected:
    bool Reflected(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

// A check box. It toggles itself when clicked; OnMouseUp runs after the toggle, so its
// handler reads the new state. Setting Checked from code runs no handler.
class CheckBox : public WinControl {
public:
    CheckBox(Form& owner, WinControl& parent, const Design& design);

    bool Checked() const;
    void SetChecked(bool checked);

    // A toggle by the user, with the mouse or the keyboard.
    std::function<void()> OnClick;

protected:
    bool Reflected(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

}  // namespace ui
