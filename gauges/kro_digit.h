#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "gauges/core/digit_cells.h"
#include "gauges/core/digit_text.h"
#include "ui/bitmap.h"
#include "ui/control.h"

namespace ui {
class Form;
class Timer;
}  // namespace ui

namespace gauges {

// A row of character cells drawn from a glyph strip ("0123456789 ,.+-:/", each glyph
// GlyphWidth x 20), right-aligned: a number, date or time. Characters without a glyph show
// blank. With DigitScrolling a changed cell scrolls its new glyph in from below, 2 pixels a
// repaint every 50 ms. A new display loads the strip "KroDigitBitmap1" of the program's
// resources, shows the integer 0 in 5 cells with 2 decimals for reals, and is 20 pixels high
// and DigitCount x GlyphWidth wide.
class TKroDigit : public ui::GraphicControl {
public:
    TKroDigit(ui::Form& owner, ui::WinControl& parent, std::string name);
    ~TKroDigit() override;

    // The value shown. Setting an integer kind switches the style to dsInteger, a real to
    // dsDouble, a date/time to dsDate (unless it shows dates or times already); any other
    // kind is ignored. Each stored value repaints.
    const DigitValue& Value() const { return value_; }
    void SetValue(const DigitValue& value);

    std::uint8_t DigitCount() const { return digitCount_; }
    // Also sets the width to DigitCount x GlyphWidth; always repaints.
    void SetDigitCount(std::uint8_t count);
    std::uint8_t Decimals() const { return decimals_; }
    // Repaints only in dsDouble, the one style that uses it.
    void SetDecimals(std::uint8_t decimals);
    TDigitStyle DigitStyle() const { return digitStyle_; }
    // Always repaints.
    void SetDigitStyle(TDigitStyle style);
    bool DigitScrolling() const { return digitScrolling_; }
    void SetDigitScrolling(bool on) { digitScrolling_ = on; }

    // The glyph strip. A strip set later is cut with the GlyphWidth measured from the first.
    const ui::Bitmap& DigitBitmap() const { return digitBitmap_; }
    void SetDigitBitmap(const ui::Bitmap& strip);
    int GlyphWidth() const { return glyphWidth_; }

    // The time separator of dsTime; by default the user's locale's.
    char TimeSeparator() const { return timeSeparator_; }
    void SetTimeSeparator(char separator);

    // The timer that repaints while a cell scrolls (on only then).
    ui::Timer& ScrollTimer() { return *timer_; }
    const DigitCells& Cells() const { return cells_; }

    void Paint(ui::Canvas& canvas) override;

private:
    void CopyGlyph(ui::Canvas& canvas, char ch, int x, int y);

    ui::Bitmap digitBitmap_;
    DigitValue value_ = std::int32_t{0};
    int glyphWidth_ = 0;
    std::uint8_t digitCount_ = 5;
    bool digitScrolling_ = false;
    std::uint8_t decimals_ = 2;
    TDigitStyle digitStyle_ = TDigitStyle::dsInteger;
    char timeSeparator_ = ':';
    DigitCells cells_;
    std::unique_ptr<ui::Timer> timer_;
};

}  // namespace gauges
