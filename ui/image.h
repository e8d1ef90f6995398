#pragma once

#include <string_view>

#include "ui/bitmap.h"
#include "ui/control.h"

namespace ui {

struct Design;

// A picture on its parent's surface, at its top left or stretched over the bounds.
class Image : public GraphicControl {
public:
    Image(Form& owner, WinControl& parent, const Design& design);

    // Drawing on the picture shows after Invalidate().
    Bitmap& Picture() { return picture_; }
    // Replaces the picture by a bitmap resource and repaints.
    void LoadFromResource(std::string_view name);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);

    void Paint(Canvas& canvas) override;

private:
    Bitmap picture_;
    bool stretch_;
};

}  // namespace ui
