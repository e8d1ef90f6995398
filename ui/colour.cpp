#include "ui/colour.h"

namespace ui {

COLORREF ToRgb(Colour colour) {
    if (colour & kSystemColour) return GetSysColor(static_cast<int>(colour & 0xFF));
    return colour & 0x00FFFFFF;
}

}  // namespace ui
