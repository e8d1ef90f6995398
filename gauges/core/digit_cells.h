#pragma once

#include <array>
#include <string_view>

namespace gauges {

// The glyphs of a digit strip, in strip order; the eleventh is the blank.
inline constexpr std::string_view kDigitGlyphs = "0123456789 ,.+-:/";

// Position of a character's glyph in the strip; characters without one take the blank's.
int GlyphIndex(char c);

// Drawing state of one character cell of a digit display.
struct DigitCell {
    char shown = ' ';        // the glyph that leaves upwards during a scroll
    char target = ' ';       // the glyph the cell is to show
    bool scrolling = false;  // the target is still rising
    int offset = 0;          // top of the target glyph in pixels; 0 in place
};

// The 20 cells of a digit display, cell 1 the rightmost, and the steps of the scroll effect:
// a changed cell starts `height` pixels low and rises 2 pixels a paint.
class DigitCells {
public:
    static constexpr int kCount = 20;
    static constexpr int kStep = 2;

    // Gives each cell its character of `text`, right-aligned (blank where the text is
    // shorter, or for a character outside "+" to ":"). A changed cell either scrolls in from
    // `height` pixels below, the glyph on screen leaving above it, or shows the new character
    // at once. True when one of the first `drawn` cells scrolls, so the display needs more
    // paints; cells that are not drawn wait, so nothing asks for paints that show nothing.
    bool Retarget(std::string_view text, bool scroll, int height, int drawn);
    // One paint's step of cell i (1-based): a scrolling cell rises by kStep and settles at 0.
    const DigitCell& Advance(int i);

    const DigitCell& operator[](int i) const { return cells_[static_cast<std::size_t>(i - 1)]; }

private:
    std::array<DigitCell, kCount> cells_{};
};

}  // namespace gauges
