#include "ui/font.h"

#include "ui/text.h"

namespace ui {

HFONT CreateFontHandle(const Font& font) {
    // A negative height asks for the character height, not the cell height, which is what
    // "a 13-pixel font" means. DEFAULT_CHARSET: the text goes through the UTF-16 functions,
    // so the face only has to hold the glyphs.
    return CreateFontW(-font.height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                       FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       Cp1251ToWide(font.name).c_str());
}

}  // namespace ui
