#include "gauges/kro_tacho.h"

#include <cmath>
#include <numbers>

#include "gauges/core/rounding.h"
#include "ui/canvas.h"
#include "ui/dialogs.h"
#include "ui/win_control.h"

namespace gauges {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

template <class T>
bool Store(T& field, T value) {
    if (field == value) return false;
    field = value;
    return true;
}

}  // namespace

TKroTacho::TKroTacho(ui::Form& owner, ui::WinControl& parent, std::string name)
    : GraphicControl(std::move(name), &owner, parent, RECT{0, 0, 250, 200}) {
    SetColour(parent.GetColour());
    SetFont(parent.GetFont());
    SetVisible(true);
}

void TKroTacho::SetScale(TKroTachoSkala scale) {
    if (Store(scale_, scale)) Invalidate();
}
void TKroTacho::SetScaleDecimals(std::uint8_t decimals) {
    if (Store(scaleDecimals_, decimals)) Invalidate();
}
void TKroTacho::SetLabelPosition(TLabelposition position) {
    if (Store(labelPosition_, position)) Invalidate();
}
void TKroTacho::SetPointerColor(ui::Colour colour) {
    if (Store(pointerColor_, colour)) Invalidate();
}
void TKroTacho::SetPointerWidth(int width) {
    if (Store(pointerWidth_, width)) Invalidate();
}
void TKroTacho::SetPointerType(TZeigerform type) {
    if (Store(pointerType_, type)) Invalidate();
}
void TKroTacho::SetPinColor(ui::Colour colour) {
    if (Store(pinColor_, colour)) Invalidate();
}
void TKroTacho::SetPinRadius(int radius) {
    if (Store(pinRadius_, radius)) Invalidate();
}
void TKroTacho::SetScaleColor(ui::Colour colour) {
    if (Store(scaleColor_, colour)) Invalidate();
}
void TKroTacho::SetTransparent(bool transparent) {
    if (Store(transparent_, transparent)) Invalidate();
}

void TKroTacho::SetNumberOfIntervals(int intervals) {
    if (intervals < 2 || intervals > 200) {
        ui::ShowMessageBox("Wert sollte zwischen 2 und 200 liegen.", "Information",
                           MB_OK | MB_ICONINFORMATION);
        return;
    }
    if (Store(numberOfIntervals_, intervals)) Invalidate();
}

void TKroTacho::SetMinValue(double value) {
    if (value == minValue_) return;
    minValue_ = value;
    if (maxValue_ < minValue_) maxValue_ = minValue_ + 1;
    if (position_ < minValue_) position_ = minValue_;
    Invalidate();
}

void TKroTacho::SetMaxValue(double value) {
    if (value == maxValue_) return;
    maxValue_ = value;
    if (maxValue_ < minValue_) minValue_ = maxValue_ - 1;
    if (position_ > maxValue_) position_ = maxValue_;
    Invalidate();
}

void TKroTacho::SetPosition(double value) {
    if (value == position_) return;
    position_ = value;
    if (position_ < minValue_) position_ = minValue_;
    if (position_ > maxValue_) position_ = maxValue_;
    Invalidate();
}

void TKroTacho::Paint(ui::Canvas& canvas) {
    canvas.SetPenStyle(ui::PenStyle::Solid);
    if (!transparent_) {
        canvas.SetBrushStyle(ui::BrushStyle::Solid);
        canvas.SetBrushColour(GetColour());
        canvas.FillRect(RECT{0, 0, Width(), Height()});
    }
    DrawGauge(canvas);
}

// The band between the two sector outlines is filled up to their colour from a point inside
// it. Near the minimum the band is too thin at the usual seed, which would then lie outside
// the outlines and flood the whole dial; a pen of 4 pixels or more covers that seed, and a
// fill started on its border colour fills nothing. In both cases the seed moves to the middle
// of the band, and where the outlines cover the band already there is nothing to fill.
void TKroTacho::FillRing(ui::Canvas& canvas, const DialGeometry& dial, long double a, long double k,
                         long double k2) {
    const int m = RoundHalfEven(dial.Radius() * k);
    const int m2 = RoundHalfEven(dial.Radius() * k2);
    const DialPoint c = dial.Pivot();
    const long double seedDistance = std::hypot(m2 + 3.0L, 3.0L);
    const long double seedAngle = std::atan2(3.0L, m2 + 3.0L);
    DialPoint seed{c.x - m2 - 3, c.y - 3};
    if (!(seedAngle < a && seedDistance < m) ||
        canvas.Pixel(seed.x, seed.y) == ui::ToRgb(pointerColor_))
        seed = dial.PointAt(a / 2, (k + k2) / 2);
    if (canvas.Pixel(seed.x, seed.y) == ui::ToRgb(pointerColor_)) return;
    canvas.FloodFill(seed.x, seed.y, pointerColor_, ui::FillStyle::Border);
}

void TKroTacho::DrawGauge(ui::Canvas& canvas) {
    const int n = numberOfIntervals_;
    // Held as a double: the tick and label points round from that precision.
    const double intervalAngle = static_cast<double>(kPi / n);
    const DialGeometry dial(Width(), Height(), pinRadius_);
    const DialPoint pivot = dial.Pivot();
    const long double a = PointerAngle(position_, minValue_, maxValue_);
    const bool outside = labelPosition_ == TLabelposition::lpAussen;

    // Pointer body.
    canvas.SetPenColour(pointerColor_);
    canvas.SetBrushColour(pointerColor_);
    canvas.SetBrushStyle(ui::BrushStyle::Solid);
    canvas.SetPenWidth(pointerWidth_);
    const long double k = outside ? 0.6L : 0.9L;
    const long double k2 = outside ? 0.5L : 0.7L;
    auto sector = [&](long double fraction) {
        const int m = RoundHalfEven(dial.Radius() * fraction);
        const DialPoint start = dial.PointAt(a, fraction);
        // Near the minimum the start point falls on, or next to, the end ray; GDI then draws
        // the whole ellipse (Wine already a pixel off the ray). The wedge is thinner than a
        // pixel there: its two edges are all there is to draw.
        if (start.x < pivot.x && std::abs(start.y - pivot.y) <= 1) {
            canvas.MoveTo(start.x, start.y);
            canvas.LineTo(pivot.x, pivot.y);
            canvas.LineTo(pivot.x - m, pivot.y);
            return;
        }
        canvas.Pie(pivot.x - m, pivot.y - m, pivot.x + m, pivot.y + m, start.x, start.y,
                   pivot.x - m, pivot.y);
    };
    if (pointerType_ == TZeigerform::zfKreis) {
        sector(k);
    } else if (pointerType_ == TZeigerform::zfRing) {
        canvas.SetBrushStyle(ui::BrushStyle::Clear);
        sector(k);
        sector(k2);
        canvas.SetBrushColour(pointerColor_);
        canvas.SetBrushStyle(ui::BrushStyle::Solid);
        FillRing(canvas, dial, a, k, k2);
    }
    canvas.SetBrushColour(GetColour());

    if (scale_ == TKroTachoSkala::tsScale || scale_ == TKroTachoSkala::tsScaleLabels) {
        canvas.SetPenColour(scaleColor_);
        canvas.SetPenWidth(2);
        for (int i = 0; i <= n; ++i) {
            const DialPoint p = dial.PointAt(i * static_cast<long double>(intervalAngle), 0.9L);
            const DialPoint q = dial.PointAt(i * static_cast<long double>(intervalAngle), 0.7L);
            canvas.MoveTo(p.x, p.y);
            canvas.LineTo(q.x, q.y);
        }
    }

    if (scale_ == TKroTachoSkala::tsLabels || scale_ == TKroTachoSkala::tsScaleLabels) {
        canvas.SetFont(GetFont());
        // The canvas makes text opaque with a solid brush; labels never paint a background.
        SetBkMode(canvas.Handle(), TRANSPARENT);
        for (int i = 0; i <= n; ++i) {
            const DialPoint p =
                dial.PointAt(i * static_cast<long double>(intervalAngle), outside ? 0.9L : 0.65L);
            UINT align = outside ? TA_BOTTOM : TA_TOP;
            switch (LabelAlignment(i, n, outside)) {
                case LabelHorizontal::Left:
                    align |= TA_LEFT;
                    break;
                case LabelHorizontal::Centre:
                    align |= TA_CENTER;
                    break;
                case LabelHorizontal::Right:
                    align |= TA_RIGHT;
                    break;
            }
            canvas.SetTextAlign(align);
            canvas.DrawString(p.x, p.y, ScaleLabel(i, n, minValue_, maxValue_, scaleDecimals_));
        }
    }

    // Needle, arrow head and pin, over everything else.
    canvas.SetPenColour(pointerColor_);
    canvas.SetBrushColour(pointerColor_);
    canvas.SetBrushStyle(ui::BrushStyle::Solid);
    canvas.SetPenWidth(pointerWidth_);
    const long double w = pointerWidth_ * kPi / 90;
    const DialPoint tip = dial.PointAt(a, 0.9L);
    canvas.MoveTo(tip.x, tip.y);
    canvas.LineTo(pivot.x, pivot.y);
    if (pointerType_ == TZeigerform::zfPfeil) {
        const DialPoint l = dial.PointAt(a - w, 0.5L);
        const DialPoint r = dial.PointAt(a + w, 0.5L);
        const POINT head[] = {{tip.x, tip.y}, {l.x, l.y}, {r.x, r.y}};
        canvas.Polygon(head);
    }
    canvas.SetPenColour(pinColor_);
    canvas.SetBrushColour(pinColor_);
    canvas.Ellipse(pivot.x - pinRadius_, pivot.y - pinRadius_, pivot.x + pinRadius_,
                   pivot.y + pinRadius_);
}

}  // namespace gauges
