#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string_view>

#include "ui/canvas.h"
#include "ui/colour.h"

namespace ui {

// An off-screen picture: a 32-bit top-down DIB section selected into a memory DC of its
// own, so that it can be drawn on through its canvas, copied to windows, and read back
// pixel by pixel (which is how tests look at drawings).
class Bitmap {
public:
    Bitmap();
    Bitmap(int width, int height);
    ~Bitmap();
    Bitmap(const Bitmap& other);
    Bitmap& operator=(const Bitmap& other);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ <= 0 || height_ <= 0; }

    // Keeps the picture at the top left; new pixels are white.
    void SetSize(int width, int height);
    // Replaces the picture by the bitmap resource of that name; throws when there is none.
    void LoadFromResource(std::string_view name);

    Canvas& GetCanvas() { return *canvas_; }
    // 0x00BBGGRR of the pixel; black outside the picture.
    Colour Pixel(int x, int y) const;

    HDC Dc() const { return dc_; }
    HBITMAP Handle() const { return bitmap_; }

private:
    void Replace(int width, int height, HDC source, int sourceWidth, int sourceHeight);

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ originalBitmap_ = nullptr;
    std::uint32_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    std::unique_ptr<Canvas> canvas_;
};

}  // namespace ui
