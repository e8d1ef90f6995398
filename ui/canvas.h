#pragma once

#include <windows.h>

#include <span>
#include <string_view>

#include "ui/colour.h"
#include "ui/font.h"

namespace ui {

class Bitmap;

enum class PenStyle { Solid, Dot, Dash, Clear };
enum class BrushStyle { Solid, Clear };
// Border: fill up to the given colour; Surface: fill the area that has the given colour.
enum class FillStyle { Border, Surface };

// Drawing on a device context with a pen, a brush and a font that stay selected between
// calls. The text and line background follows the brush: a solid brush makes it opaque in
// the brush colour (so the gaps of dotted lines and the cells behind text take it), a clear
// brush makes it transparent. The DC is not owned; its own objects are put back at the end.
class Canvas {
public:
    explicit Canvas(HDC dc);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Handle() const { return dc_; }

    Colour PenColour() const { return penColour_; }
    void SetPenColour(Colour colour);
    int PenWidth() const { return penWidth_; }
    void SetPenWidth(int width);
    PenStyle GetPenStyle() const { return penStyle_; }
    void SetPenStyle(PenStyle style);

    Colour BrushColour() const { return brushColour_; }
    void SetBrushColour(Colour colour);
    BrushStyle GetBrushStyle() const { return brushStyle_; }
    void SetBrushStyle(BrushStyle style);

    const Font& GetFont() const { return font_; }
    void SetFont(const Font& font);

    void MoveTo(int x, int y);
    // The end point is not painted, as with Win32 lines.
    void LineTo(int x, int y);
    // Outlined with the pen and filled with the brush; right and bottom are exclusive.
    void Rectangle(int left, int top, int right, int bottom);
    void Ellipse(int left, int top, int right, int bottom);
    // A sector of the ellipse in the box (x1, y1)-(x2, y2), counter-clockwise from the ray
    // through (x3, y3) to the ray through (x4, y4).
    void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void Polygon(std::span<const POINT> points);
    // Only the brush, no outline.
    void FillRect(const RECT& rect);
    void FloodFill(int x, int y, Colour colour, FillStyle style);
    Colour Pixel(int x, int y) const;
    void SetPixel(int x, int y, Colour colour);

    // Text alignment flags of SetTextAlign (TA_LEFT, TA_CENTER, TA_RIGHT with TA_TOP ...).
    void SetTextAlign(UINT flags);
    void DrawString(int x, int y, std::string_view text);
    SIZE TextExtent(std::string_view text) const;
    int TextWidth(std::string_view text) const { return TextExtent(text).cx; }
    int TextHeight(std::string_view text) const { return TextExtent(text).cy; }

    void Draw(int x, int y, const Bitmap& bitmap);
    void StretchDraw(const RECT& dest, const Bitmap& bitmap);
    void CopyRect(const RECT& dest, const Canvas& source, const RECT& sourceRect);

private:
    void UsePen();
    void UseBrush();

    HDC dc_;
    HGDIOBJ originalPen_;
    HGDIOBJ originalBrush_;
    HGDIOBJ originalFont_;
    HPEN pen_ = nullptr;
    HBRUSH brush_ = nullptr;
    HFONT hfont_ = nullptr;
    Colour penColour_ = kBlack;
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::Solid;
    Colour brushColour_ = kWhite;
    BrushStyle brushStyle_ = BrushStyle::Solid;
    Font font_;
};

}  // namespace ui
