#pragma once

#include <cstdint>
#include <string>

#include "ui/control.h"

namespace ui {
class Form;
}

namespace gauges {

// A round signal lamp: a filled, outlined ellipse in its own colour, optionally domed by a
// white highlight crescent at the upper left and a grey shade crescent at the lower right.
// It paints on its parent's surface inside its bounds; row 0, column 0 and the corners
// outside the ellipse show the parent. A new lamp is 25 x 25, green, with a black one-pixel
// frame and no crescents. The setters repaint only when the value changes.
class TKroLED : public ui::GraphicControl {
public:
    // Made at (0, 0) on `parent`, visible; the form adopts it (ui::Form::Adopt).
    TKroLED(ui::Form& owner, ui::WinControl& parent, std::string name);

    bool LightEffect() const { return lightEffect_; }
    void SetLightEffect(bool on);
    // The lamp's fill colour (not the control's background colour, which plays no part).
    ui::Colour Color() const { return color_; }
    void SetColor(ui::Colour colour);
    ui::Colour FrameColor() const { return frameColor_; }
    void SetFrameColor(ui::Colour colour);
    std::uint8_t FrameWidth() const { return frameWidth_; }
    void SetFrameWidth(std::uint8_t width);

    void Paint(ui::Canvas& canvas) override;

private:
    bool lightEffect_ = false;
    ui::Colour color_ = ui::kGreen;
    ui::Colour frameColor_ = ui::kBlack;
    std::uint8_t frameWidth_ = 1;
};

}  // namespace gauges
