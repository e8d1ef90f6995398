#pragma once

#include <cstdint>
#include <string>

#include "gauges/core/dial_geometry.h"
#include "ui/control.h"

namespace ui {
class Form;
}

namespace gauges {

// What the scale shows: nothing, ticks, labels, or ticks and labels.
enum class TKroTachoSkala { tsNone, tsScale, tsLabels, tsScaleLabels };
// Labels outside (at the ticks' outer ends) or inside; also the radii of the sector and ring
// pointers.
enum class TLabelposition { lpAussen, lpInnen };
// Needle; needle with arrow head; needle with a filled sector from the minimum; needle with a
// filled ring band from the minimum.
enum class TZeigerform { zfNadel, zfPfeil, zfKreis, zfRing };

// A half-dial instrument: a 180-degree arc over a pivot from MinValue on the left over the
// top to MaxValue on the right, with ticks, value labels (in the control's font), a pointer
// and a round pin at the pivot. It paints on its parent's surface inside its bounds, the
// background in the control's colour (the parent's by default) unless Transparent. A new
// gauge is 250 x 200, 0..10 in 10 intervals, red arrow pointer 4 wide, green pin of radius
// 10. The setters repaint only when the value changes; MinValue, MaxValue and Position keep
// MinValue <= Position <= MaxValue.
class TKroTacho : public ui::GraphicControl {
public:
    TKroTacho(ui::Form& owner, ui::WinControl& parent, std::string name);

    TKroTachoSkala Scale() const { return scale_; }
    void SetScale(TKroTachoSkala scale);
    std::uint8_t ScaleDecimals() const { return scaleDecimals_; }
    void SetScaleDecimals(std::uint8_t decimals);
    TLabelposition LabelPosition() const { return labelPosition_; }
    void SetLabelPosition(TLabelposition position);
    ui::Colour PointerColor() const { return pointerColor_; }
    void SetPointerColor(ui::Colour colour);
    int PointerWidth() const { return pointerWidth_; }
    void SetPointerWidth(int width);
    TZeigerform PointerType() const { return pointerType_; }
    void SetPointerType(TZeigerform type);
    ui::Colour PinColor() const { return pinColor_; }
    void SetPinColor(ui::Colour colour);
    int PinRadius() const { return pinRadius_; }
    void SetPinRadius(int radius);
    ui::Colour ScaleColor() const { return scaleColor_; }
    void SetScaleColor(ui::Colour colour);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);

    int NumberOfIntervals() const { return numberOfIntervals_; }
    // 2 to 200; any other value shows "Wert sollte zwischen 2 und 200 liegen." and is not
    // taken.
    void SetNumberOfIntervals(int intervals);
    double MinValue() const { return minValue_; }
    // A minimum above the maximum pushes the maximum to minimum + 1; the position follows.
    void SetMinValue(double value);
    double MaxValue() const { return maxValue_; }
    // A maximum below the minimum pushes the minimum to maximum - 1; the position follows.
    void SetMaxValue(double value);
    double Position() const { return position_; }
    // Held to MinValue..MaxValue.
    void SetPosition(double value);

    void Paint(ui::Canvas& canvas) override;

private:
    void DrawGauge(ui::Canvas& canvas);
    void FillRing(ui::Canvas& canvas, const DialGeometry& dial, long double a, long double k,
                  long double k2);

    TKroTachoSkala scale_ = TKroTachoSkala::tsScaleLabels;
    std::uint8_t scaleDecimals_ = 0;
    TLabelposition labelPosition_ = TLabelposition::lpAussen;
    ui::Colour pointerColor_ = ui::kRed;
    int pointerWidth_ = 4;
    TZeigerform pointerType_ = TZeigerform::zfPfeil;
    ui::Colour pinColor_ = ui::kGreen;
    int pinRadius_ = 10;
    ui::Colour scaleColor_ = ui::kBlack;
    int numberOfIntervals_ = 10;
    double minValue_ = 0;
    double maxValue_ = 10;
    double position_ = 0;
    bool transparent_ = false;
};

}  // namespace gauges
