#include "ui/button.h"

#include "ui/design.h"

namespace ui {

Button::Button(Form& owner, WinControl& parent, const Design& design)
    : WinControl(design.name, &owner, &parent) {
    CreateChild(L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, design);
}

void Button::Click() {
    if (OnClick) OnClick();
}

bool Button::Reflected(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    if (msg != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return false;
    Click();
    result = 0;
    return true;
}

CheckBox::CheckBox(Form& owner, WinControl& parent, const Design& design)
    : WinControl(design.name, &owner, &parent) {
    CreateChild(L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0, design);
    SetChecked(design.checked);
}

bool CheckBox::Checked() const {
    return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CheckBox::SetChecked(bool checked) {
    SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool CheckBox::Reflected(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    if (msg != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return false;
    if (OnClick) OnClick();
    result = 0;
    return true;
}

}  // namespace ui
