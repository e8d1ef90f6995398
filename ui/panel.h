#pragma once

#include <functional>

#include "ui/design.h"
#include "ui/win_control.h"

namespace ui {

// A plain area in its colour with an optional bevel; it holds controls, graphic ones too.
class Panel : public WinControl {
public:
    Panel(Form& owner, WinControl& parent, const Design& design);

    // The panel's size changed, by code or with its parent.
    std::function<void()> OnResize;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(HDC dc, const RECT& area);

    Bevel bevel_;
};

// A framed group with a caption at the top; it holds controls.
class GroupBox : public WinControl {
public:
    GroupBox(Form& owner, WinControl& parent, const Design& design);

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace ui
