#include "ui/image.h"

#include "ui/design.h"

namespace ui {

Image::Image(Form& owner, WinControl& parent, const Design& design)
    : GraphicControl(design.name, &owner, parent,
                     RECT{design.left, design.top, design.left + design.width,
                          design.top + design.height}),
      stretch_(design.stretch) {
    if (!design.picture.empty()) picture_.LoadFromResource(design.picture);
}

void Image::LoadFromResource(std::string_view name) {
    picture_.LoadFromResource(name);
    Invalidate();
}

void Image::SetStretch(bool stretch) {
    if (stretch == stretch_) return;
    stretch_ = stretch;
    Invalidate();
}

void Image::Paint(Canvas& canvas) {
    if (stretch_)
        canvas.StretchDraw(RECT{0, 0, Width(), Height()}, picture_);
    else
        canvas.Draw(0, 0, picture_);
}

}  // namespace ui
