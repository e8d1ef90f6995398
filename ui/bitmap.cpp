#include "ui/bitmap.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "ui/resources.h"
#include "ui/text.h"

namespace ui {

Bitmap::Bitmap() {
    dc_ = CreateCompatibleDC(nullptr);
    originalBitmap_ = GetCurrentObject(dc_, OBJ_BITMAP);
    canvas_ = std::make_unique<Canvas>(dc_);
}

Bitmap::Bitmap(int width, int height) : Bitmap() { SetSize(width, height); }

Bitmap::~Bitmap() {
    canvas_.reset();
    SelectObject(dc_, originalBitmap_);
    if (bitmap_) DeleteObject(bitmap_);
    DeleteDC(dc_);
}

Bitmap::Bitmap(const Bitmap& other) : Bitmap() { *this = other; }

Bitmap& Bitmap::operator=(const Bitmap& other) {
    if (this != &other) {
        Replace(0, 0, nullptr, 0, 0);
        Replace(other.width_, other.height_, other.dc_, other.width_, other.height_);
    }
    return *this;
}

void Bitmap::SetSize(int width, int height) {
    if (width == width_ && height == height_) return;
    Replace(width, height, dc_, width_, height_);
}

void Bitmap::Replace(int width, int height, HDC source, int sourceWidth, int sourceHeight) {
    HBITMAP fresh = nullptr;
    std::uint32_t* bits = nullptr;
    if (width > 0 && height > 0) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;  // top-down: row 0 first in memory
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* p = nullptr;
        fresh = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &p, nullptr, 0);
        if (!fresh) throw std::runtime_error("Out of system resources");
        bits = static_cast<std::uint32_t*>(p);
        std::fill(bits, bits + static_cast<std::size_t>(width) * height, 0x00FFFFFFu);
        if (source && sourceWidth > 0 && sourceHeight > 0) {
            HDC temp = CreateCompatibleDC(nullptr);
            HGDIOBJ old = SelectObject(temp, fresh);
            BitBlt(temp, 0, 0, std::min(width, sourceWidth), std::min(height, sourceHeight),
                   source, 0, 0, SRCCOPY);
            SelectObject(temp, old);
            DeleteDC(temp);
        }
    }
    SelectObject(dc_, fresh ? static_cast<HGDIOBJ>(fresh) : originalBitmap_);
    if (bitmap_) DeleteObject(bitmap_);
    bitmap_ = fresh;
    bits_ = bits;
    width_ = fresh ? width : 0;
    height_ = fresh ? height : 0;
}

void Bitmap::LoadFromResource(std::string_view name) {
    std::wstring wide = Cp1251ToWide(name);
    HBITMAP loaded = static_cast<HBITMAP>(
        LoadImageW(ResourceModule(), wide.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!loaded) throw std::runtime_error("Resource " + std::string(name) + " not found");
    BITMAP info{};
    GetObjectW(loaded, sizeof info, &info);
    HDC temp = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(temp, loaded);
    Replace(0, 0, nullptr, 0, 0);
    Replace(info.bmWidth, info.bmHeight, temp, info.bmWidth, info.bmHeight);
    SelectObject(temp, old);
    DeleteDC(temp);
    DeleteObject(loaded);
}

Colour Bitmap::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return kBlack;
    // GDI may still hold drawing in its batch; the memory is only current after a flush.
    GdiFlush();
    std::uint32_t bgra = bits_[static_cast<std::size_t>(y) * width_ + x];
    return ((bgra >> 16) & 0xFF) | (bgra & 0xFF00) | ((bgra & 0xFF) << 16);
}

}  // namespace ui
