#pragma once

#include <functional>

#include "ui/control.h"

namespace ui {

struct Design;

// A flat push button without a window of its own: it paints its face and caption (in its
// font colour, which is how a window can colour a button's text) on the parent's surface.
// OnClick follows a left button released over it after going down on it.
class SpeedButton : public GraphicControl {
public:
    SpeedButton(Form& owner, WinControl& parent, const Design& design);

    std::function<void()> OnClick;
    // Runs OnClick as a click does.
    void Click();
    bool Down() const { return down_; }

    void Paint(Canvas& canvas) override;
    void MouseDown(MouseButton button, int x, int y) override;
    void MouseUp(MouseButton button, int x, int y) override;

protected:
    void ApplyEnabled() override;

private:
    bool down_ = false;
};

}  // namespace ui
