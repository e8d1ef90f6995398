#include "gauges/core/digit_cells.h"

namespace gauges {

int GlyphIndex(char c) {
    std::size_t i = kDigitGlyphs.find(c);
    return i == std::string_view::npos ? 10 : static_cast<int>(i);
}

bool DigitCells::Retarget(std::string_view text, bool scroll, int height, int drawn) {
    bool anyScrolling = false;
    for (int i = 1; i <= kCount; ++i) {
        DigitCell& cell = cells_[static_cast<std::size_t>(i - 1)];
        char ch = i <= static_cast<int>(text.size()) ? text[text.size() - i] : ' ';
        if (ch != ' ' && (ch < '+' || ch > ':')) ch = ' ';
        if (ch != cell.target) {
            if (scroll) {
                // What leaves is what the cell showed: the old target, in place or rising.
                cell.shown = cell.target;
                cell.offset = height;
                cell.scrolling = true;
            } else {
                cell.offset = 0;
                cell.scrolling = false;
                cell.shown = ch;
            }
            cell.target = ch;
        }
        if (cell.scrolling && i <= drawn) anyScrolling = true;
    }
    return anyScrolling;
}

const DigitCell& DigitCells::Advance(int i) {
    DigitCell& cell = cells_[static_cast<std::size_t>(i - 1)];
    if (cell.scrolling) {
        cell.offset -= kStep;
        cell.scrolling = cell.offset > 0;
        // An odd height overshoots by a pixel on the last step; a settled glyph stands at 0.
        if (!cell.scrolling) cell.offset = 0;
    }
    return cell;
}

}  // namespace gauges
