#pragma once

#include <windows.h>

#include <string>

#include "ui/colour.h"

namespace ui {

// A font as the windows describe it: face, character height in pixels, weight and colour.
struct Font {
    std::string name = "MS Sans Serif";
    int height = 11;
    bool bold = false;
    Colour colour = kWindowText;

    bool operator==(const Font&) const = default;
};

// A new GDI font for the face, height and weight; the caller deletes it.
HFONT CreateFontHandle(const Font& font);

}  // namespace ui
