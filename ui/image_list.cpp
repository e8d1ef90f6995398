#include "ui/image_list.h"

#include <stdexcept>
#include <string>

#include "ui/resources.h"
#include "ui/text.h"
#include "ui/window_class.h"

namespace ui {

ImageList::ImageList(Form& owner, std::string name, int width, int height)
    : Component(std::move(name), &owner), width_(width), height_(height) {
    EnsureCommonControls();
    list_ = ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, 0, 4);
}

ImageList::~ImageList() { ImageList_Destroy(list_); }

void ImageList::AddResource(std::string_view name) {
    std::wstring wide = Cp1251ToWide(name);
    // Not a DIB section: the image list selects the bitmap into DCs of its own.
    HBITMAP bitmap =
        static_cast<HBITMAP>(LoadImageW(ResourceModule(), wide.c_str(), IMAGE_BITMAP, 0, 0, 0));
    if (!bitmap) throw std::runtime_error("Resource " + std::string(name) + " not found");
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    COLORREF transparent = GetPixel(dc, 0, info.bmHeight - 1);
    SelectObject(dc, old);
    DeleteDC(dc);
    ImageList_AddMasked(list_, bitmap, transparent);
    DeleteObject(bitmap);
}

void ImageList::Draw(HDC dc, int x, int y, int index, bool enabled) const {
    if (enabled)
        ImageList_Draw(list_, index, dc, x, y, ILD_TRANSPARENT);
    else
        ImageList_DrawEx(list_, index, dc, x, y, 0, 0, CLR_NONE, GetSysColor(COLOR_MENU),
                         ILD_TRANSPARENT | ILD_BLEND50);
}

}  // namespace ui
