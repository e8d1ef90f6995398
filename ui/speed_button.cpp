#include "ui/speed_button.h"

#include "ui/canvas.h"
#include "ui/design.h"

namespace ui {

SpeedButton::SpeedButton(Form& owner, WinControl& parent, const Design& design)
    : GraphicControl(
          design.name, &owner, parent,
          RECT{design.left, design.top, design.left + design.width, design.top + design.height}) {
    SetCaption(design.caption);
}

void SpeedButton::Click() {
    if (OnClick) OnClick();
}

void SpeedButton::Paint(Canvas& canvas) {
    RECT face{0, 0, Width(), Height()};
    DrawFrameControl(canvas.Handle(), &face, DFC_BUTTON,
                     DFCS_BUTTONPUSH | (down_ ? DFCS_PUSHED : 0));
    Font font = GetFont();
    if (!Enabled()) font.colour = kSystemColour | COLOR_GRAYTEXT;
    canvas.SetFont(font);
    canvas.SetBrushStyle(BrushStyle::Clear);
    const SIZE size = canvas.TextExtent(Caption());
    const int shift = down_ ? 1 : 0;
    canvas.DrawString((Width() - size.cx) / 2 + shift, (Height() - size.cy) / 2 + shift, Caption());
}

void SpeedButton::MouseDown(MouseButton button, int x, int y) {
    if (button == MouseButton::Left) {
        down_ = true;
        Invalidate();
    }
    GraphicControl::MouseDown(button, x, y);
}

void SpeedButton::MouseUp(MouseButton button, int x, int y) {
    const bool wasDown = down_ && button == MouseButton::Left;
    if (wasDown) {
        down_ = false;
        Invalidate();
    }
    GraphicControl::MouseUp(button, x, y);
    if (wasDown && x >= 0 && y >= 0 && x < Width() && y < Height()) Click();
}

void SpeedButton::ApplyEnabled() {
    down_ = false;
    GraphicControl::ApplyEnabled();
}

}  // namespace ui
