#include "gauges/kro_led.h"

#include "gauges/core/rounding.h"
#include "ui/canvas.h"
#include "ui/win_control.h"

namespace gauges {

TKroLED::TKroLED(ui::Form& owner, ui::WinControl& parent, std::string name)
    : GraphicControl(std::move(name), &owner, parent, RECT{0, 0, 25, 25}) {
    SetColour(parent.GetColour());
    SetVisible(true);
}

void TKroLED::SetLightEffect(bool on) {
    if (on == lightEffect_) return;
    lightEffect_ = on;
    Invalidate();
}

void TKroLED::SetColor(ui::Colour colour) {
    if (colour == color_) return;
    color_ = colour;
    Invalidate();
}

void TKroLED::SetFrameColor(ui::Colour colour) {
    if (colour == frameColor_) return;
    frameColor_ = colour;
    Invalidate();
}

void TKroLED::SetFrameWidth(std::uint8_t width) {
    if (width == frameWidth_) return;
    frameWidth_ = width;
    Invalidate();
}

void TKroLED::Paint(ui::Canvas& canvas) {
    const int w = Width();
    const int h = Height();
    canvas.SetPenStyle(ui::PenStyle::Solid);
    canvas.SetPenWidth(frameWidth_);
    canvas.SetPenColour(frameColor_);
    canvas.SetBrushStyle(ui::BrushStyle::Solid);
    canvas.SetBrushColour(color_);
    canvas.Ellipse(1, 1, w, h);
    if (!lightEffect_) return;

    const int w8 = RoundHalfEven(w / 8.0L), h8 = RoundHalfEven(h / 8.0L);
    const int w4 = RoundHalfEven(w / 4.0L), h4 = RoundHalfEven(h / 4.0L);
    const int w2 = RoundHalfEven(w / 2.0L), h2 = RoundHalfEven(h / 2.0L);
    // Each later sector covers the inner part of the one before it, leaving a crescent.
    struct Sector {
        ui::Colour colour;
        int inset;  // 8: an eighth of the size, 4: a quarter
        POINT start, end;
    };
    const Sector sectors[] = {
        {ui::kWhite, 8, {w2 - 1, 1}, {1, h2 - 1}},
        {color_, 4, {w2, 1}, {1, h2}},
        {ui::kGrey, 8, {w2 + 1, h}, {w, h2 + 1}},
        {color_, 4, {w2, h}, {w, h2}},
    };
    for (const Sector& s : sectors) {
        const int dx = s.inset == 8 ? w8 : w4;
        const int dy = s.inset == 8 ? h8 : h4;
        canvas.SetPenColour(s.colour);
        canvas.SetBrushColour(s.colour);
        canvas.Pie(dx, dy, w - dx, h - dy, s.start.x, s.start.y, s.end.x, s.end.y);
    }
}

}  // namespace gauges
