#include "ui/canvas.h"

#include "ui/bitmap.h"
#include "ui/text.h"

namespace ui {

Canvas::Canvas(HDC dc) : dc_(dc) {
    originalPen_ = GetCurrentObject(dc_, OBJ_PEN);
    originalBrush_ = GetCurrentObject(dc_, OBJ_BRUSH);
    originalFont_ = GetCurrentObject(dc_, OBJ_FONT);
    UsePen();
    UseBrush();
    SetFont(font_);
}

Canvas::~Canvas() {
    SelectObject(dc_, originalPen_);
    SelectObject(dc_, originalBrush_);
    SelectObject(dc_, originalFont_);
    if (pen_) DeleteObject(pen_);
    if (brush_) DeleteObject(brush_);
    if (hfont_) DeleteObject(hfont_);
}

void Canvas::UsePen() {
    int style = PS_SOLID;
    switch (penStyle_) {
        case PenStyle::Solid: style = PS_SOLID; break;
        case PenStyle::Dot: style = PS_DOT; break;
        case PenStyle::Dash: style = PS_DASH; break;
        case PenStyle::Clear: style = PS_NULL; break;
    }
    HPEN pen = CreatePen(style, penWidth_, ToRgb(penColour_));
    SelectObject(dc_, pen);
    if (pen_) DeleteObject(pen_);
    pen_ = pen;
}

void Canvas::UseBrush() {
    HBRUSH brush = brushStyle_ == BrushStyle::Solid
                       ? CreateSolidBrush(ToRgb(brushColour_))
                       : static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    SelectObject(dc_, brush);
    if (brush_) DeleteObject(brush_);
    brush_ = brushStyle_ == BrushStyle::Solid ? brush : nullptr;
    // Dotted and dashed lines and text cells are painted in the background colour between
    // their strokes; the windows rely on that colour being the brush's.
    SetBkColor(dc_, ToRgb(brushColour_));
    SetBkMode(dc_, brushStyle_ == BrushStyle::Solid ? OPAQUE : TRANSPARENT);
}

void Canvas::SetPenColour(Colour colour) {
    penColour_ = colour;
    UsePen();
}

void Canvas::SetPenWidth(int width) {
    penWidth_ = width;
    UsePen();
}

void Canvas::SetPenStyle(PenStyle style) {
    penStyle_ = style;
    UsePen();
}

void Canvas::SetBrushColour(Colour colour) {
    brushColour_ = colour;
    UseBrush();
}

void Canvas::SetBrushStyle(BrushStyle style) {
    brushStyle_ = style;
    UseBrush();
}

void Canvas::SetFont(const Font& font) {
    font_ = font;
    HFONT f = CreateFontHandle(font_);
    SelectObject(dc_, f);
    if (hfont_) DeleteObject(hfont_);
    hfont_ = f;
    SetTextColor(dc_, ToRgb(font_.colour));
}

void Canvas::MoveTo(int x, int y) { MoveToEx(dc_, x, y, nullptr); }

void Canvas::LineTo(int x, int y) { ::LineTo(dc_, x, y); }

void Canvas::Rectangle(int left, int top, int right, int bottom) {
    ::Rectangle(dc_, left, top, right, bottom);
}

void Canvas::Ellipse(int left, int top, int right, int bottom) {
    ::Ellipse(dc_, left, top, right, bottom);
}

void Canvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    ::Pie(dc_, x1, y1, x2, y2, x3, y3, x4, y4);
}

void Canvas::Polygon(std::span<const POINT> points) {
    ::Polygon(dc_, points.data(), static_cast<int>(points.size()));
}

void Canvas::FillRect(const RECT& rect) {
    if (brushStyle_ == BrushStyle::Solid) ::FillRect(dc_, &rect, brush_);
}

void Canvas::FloodFill(int x, int y, Colour colour, FillStyle style) {
    // Graphic controls paint with the viewport origin moved to their corner. Windows takes
    // the seed in logical coordinates, Wine ignores the origins and would start the fill
    // somewhere else on the surface: fill from the device point with the origins at zero,
    // where both agree.
    POINT seed{x, y};
    LPtoDP(dc_, &seed, 1);
    POINT viewport;
    POINT window;
    SetViewportOrgEx(dc_, 0, 0, &viewport);
    SetWindowOrgEx(dc_, 0, 0, &window);
    ExtFloodFill(dc_, seed.x, seed.y, ToRgb(colour),
                 style == FillStyle::Border ? FLOODFILLBORDER : FLOODFILLSURFACE);
    SetWindowOrgEx(dc_, window.x, window.y, nullptr);
    SetViewportOrgEx(dc_, viewport.x, viewport.y, nullptr);
}

Colour Canvas::Pixel(int x, int y) const { return static_cast<Colour>(GetPixel(dc_, x, y)); }

void Canvas::SetPixel(int x, int y, Colour colour) { SetPixelV(dc_, x, y, ToRgb(colour)); }

void Canvas::SetTextAlign(UINT flags) { ::SetTextAlign(dc_, flags); }

void Canvas::DrawString(int x, int y, std::string_view text) {
    std::wstring w = Cp1251ToWide(text);
    TextOutW(dc_, x, y, w.c_str(), static_cast<int>(w.size()));
}

SIZE Canvas::TextExtent(std::string_view text) const {
    std::wstring w = Cp1251ToWide(text);
    SIZE size{};
    GetTextExtentPoint32W(dc_, w.c_str(), static_cast<int>(w.size()), &size);
    return size;
}

void Canvas::Draw(int x, int y, const Bitmap& bitmap) {
    if (bitmap.Empty()) return;
    BitBlt(dc_, x, y, bitmap.Width(), bitmap.Height(), bitmap.Dc(), 0, 0, SRCCOPY);
}

void Canvas::StretchDraw(const RECT& dest, const Bitmap& bitmap) {
    if (bitmap.Empty()) return;
    // Pixels are dropped or repeated, never blended: small pictures keep their colours.
    int old = SetStretchBltMode(dc_, COLORONCOLOR);
    StretchBlt(dc_, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top,
               bitmap.Dc(), 0, 0, bitmap.Width(), bitmap.Height(), SRCCOPY);
    SetStretchBltMode(dc_, old);
}

void Canvas::CopyRect(const RECT& dest, const Canvas& source, const RECT& sourceRect) {
    int old = SetStretchBltMode(dc_, COLORONCOLOR);
    StretchBlt(dc_, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top,
               source.dc_, sourceRect.left, sourceRect.top, sourceRect.right - sourceRect.left,
               sourceRect.bottom - sourceRect.top, SRCCOPY);
    SetStretchBltMode(dc_, old);
}

}  // namespace ui
