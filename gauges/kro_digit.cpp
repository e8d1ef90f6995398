#include "gauges/kro_digit.h"

#include <stdexcept>

#include "ui/canvas.h"
#include "ui/text.h"
#include "ui/timer.h"
#include "ui/win_control.h"

namespace gauges {

namespace {

constexpr int kGlyphHeight = 20;
constexpr int kScrollInterval = 50;

char LocaleTimeSeparator() {
    wchar_t separator[8] = L":";
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STIME, separator, 8);
    std::string text = ui::WideToCp1251(separator);
    return text.empty() ? ':' : text[0];
}

}  // namespace

TKroDigit::TKroDigit(ui::Form& owner, ui::WinControl& parent, std::string name)
    : GraphicControl(std::move(name), &owner, parent, RECT{0, 0, 0, kGlyphHeight}),
      timeSeparator_(LocaleTimeSeparator()),
      timer_(std::make_unique<ui::Timer>(&owner, Name() + "Timer", kScrollInterval, false)) {
    timer_->OnTimer = [this] { Invalidate(); };
    try {
        digitBitmap_.LoadFromResource("KroDigitBitmap1");
    } catch (const std::runtime_error&) {
        // A program without the strip gets a display that paints nothing.
    }
    glyphWidth_ = digitBitmap_.Width() / 16;
    SetColour(parent.GetColour());
    SetBounds(0, 0, digitCount_ * glyphWidth_, kGlyphHeight);
    SetVisible(true);
}

TKroDigit::~TKroDigit() = default;

void TKroDigit::SetValue(const DigitValue& value) {
    auto style = StyleForValue(value, digitStyle_);
    if (!style) return;
    digitStyle_ = *style;
    value_ = value;
    Invalidate();
}

void TKroDigit::SetDigitCount(std::uint8_t count) {
    digitCount_ = count;
    SetWidth(digitCount_ * glyphWidth_);
    Invalidate();
}

void TKroDigit::SetDecimals(std::uint8_t decimals) {
    decimals_ = decimals;
    if (digitStyle_ == TDigitStyle::dsDouble) Invalidate();
}

void TKroDigit::SetDigitStyle(TDigitStyle style) {
    digitStyle_ = style;
    Invalidate();
}

void TKroDigit::SetDigitBitmap(const ui::Bitmap& strip) {
    digitBitmap_ = strip;
    Invalidate();
}

void TKroDigit::SetTimeSeparator(char separator) {
    if (separator == timeSeparator_) return;
    timeSeparator_ = separator;
    if (digitStyle_ == TDigitStyle::dsTime) Invalidate();
}

void TKroDigit::CopyGlyph(ui::Canvas& canvas, char ch, int x, int y) {
    const int left = GlyphIndex(ch) * glyphWidth_;
    BitBlt(canvas.Handle(), x, y, glyphWidth_, kGlyphHeight, digitBitmap_.Dc(), left, 0, SRCCOPY);
}

void TKroDigit::Paint(ui::Canvas& canvas) {
    if (digitBitmap_.Empty() || digitCount_ == 0) return;
    const std::string text = DigitText(value_, digitStyle_, digitCount_, decimals_, timeSeparator_);
    timer_->SetEnabled(false);
    if (cells_.Retarget(text, digitScrolling_, Height(), digitCount_)) timer_->SetEnabled(true);
    for (int a = 1; a <= digitCount_; ++a) {
        const int x = Width() - a * glyphWidth_;
        // There are 20 cells; a wider display is blank beyond them.
        if (a > DigitCells::kCount) {
            CopyGlyph(canvas, ' ', x, 0);
            continue;
        }
        const DigitCell& cell = cells_.Advance(a);
        if (cell.scrolling) CopyGlyph(canvas, cell.shown, x, cell.offset - kGlyphHeight);
        CopyGlyph(canvas, cell.target, x, cell.offset);
    }
}

}  // namespace gauges
