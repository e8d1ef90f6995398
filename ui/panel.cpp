#include "ui/panel.h"

#include "ui/window_class.h"

namespace ui {

Panel::Panel(Form& owner, WinControl& parent, const Design& design)
    : WinControl(design.name, &owner, &parent), bevel_(design.bevel) {
    Design plain = design;
    plain.caption.clear();
    CreateChild(PanelClassName(), WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, plain);
}

void Panel::Paint(HDC dc, const RECT& area) {
    PaintSurface(dc, area);
    RECT r;
    GetClientRect(Handle(), &r);
    if (bevel_ == Bevel::Raised) DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    if (bevel_ == Bevel::Lowered) DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
}

LRESULT Panel::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT painted = 0;
    if (PaintMessage(msg, wParam, [this](HDC dc, const RECT& r) { Paint(dc, r); }, painted))
        return painted;
    if (msg == WM_SIZE) {
        LRESULT r = WinControl::WindowProc(msg, wParam, lParam);
        if (OnResize) OnResize();
        return r;
    }
    return WinControl::WindowProc(msg, wParam, lParam);
}

GroupBox::GroupBox(Form& owner, WinControl& parent, const Design& design)
    : WinControl(design.name, &owner, &parent) {
    CreateChild(L"BUTTON", BS_GROUPBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, design);
}

LRESULT GroupBox::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    // A group box paints only its frame and caption and leaves its inside to whatever the
    // parent drew there; the layer's parents clip their children, so it fills it itself.
    if (msg == WM_ERASEBKGND) {
        RECT r;
        GetClientRect(Handle(), &r);
        FillRect(reinterpret_cast<HDC>(wParam), &r, Brush());
        return 1;
    }
    return WinControl::WindowProc(msg, wParam, lParam);
}

}  // namespace ui
