#include "ui/label.h"

#include "ui/design.h"
#include "ui/text.h"

namespace ui {

Label::Label(Form& owner, WinControl& parent, const Design& design)
    : WinControl(design.name, &owner, &parent),
      autoSize_(design.width == 0 || design.height == 0),
      caption_(design.caption) {
    // No prefix: captions are shown as written, an "&" included.
    CreateChild(L"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0, design);
}

void Label::SendToBack() {
    SetWindowPos(Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Label::SetCaption(std::string_view caption) {
    // An unchanged text keeps its size too: fitting it again costs a resize.
    if (caption_ == caption) return;
    caption_ = caption;
    SetWindowTextW(Handle(), Cp1251ToWide(caption_).c_str());
    FitCaption();
}

void Label::ApplyFont() {
    WinControl::ApplyFont();
    FitCaption();
}

void Label::FitCaption() {
    if (!autoSize_ || !Handle()) return;
    std::wstring text = Cp1251ToWide(Caption());
    HDC dc = GetDC(Handle());
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(Handle(), WM_GETFONT, 0, 0)));
    RECT r{0, 0, 0, 0};
    // An empty caption still has the height of a line.
    DrawTextW(dc, text.empty() ? L" " : text.c_str(), -1, &r, DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE);
    if (text.empty()) r.right = 0;
    SelectObject(dc, old);
    ReleaseDC(Handle(), dc);
    SetWindowPos(Handle(), nullptr, 0, 0, r.right, r.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace ui
