#include "ui/font.h"

#include "ui/text.h"

namespace ui {

HFONT CreateFontHandle(const Font& font) {
    // A negative height asks for the character height, not the cell height, which is what
    // "a 13-pixel font" means. The texts are Cyrillic code-page texts: with DEFAULT_CHARSET a
    // system of another code page, and Wine, pick a face of the face name without Cyrillic
    // glyphs (MS Sans Serif), which draws the letters as black bars.
    return CreateFontW(-font.height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                       FALSE, RUSSIAN_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       Cp1251ToWide(font.name).c_str());
}

}  // namespace ui
