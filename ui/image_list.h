#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string_view>

#include "ui/component.h"

namespace ui {

// Small pictures of one size, drawn with a transparent background: the colour of each
// picture's bottom-left pixel.
class ImageList : public Component {
public:
    ImageList(Form& owner, std::string name, int width, int height);
    ~ImageList() override;

    // Adds a bitmap resource; throws when there is none.
    void AddResource(std::string_view name);
    int Count() const { return ImageList_GetImageCount(list_); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    HIMAGELIST Handle() const { return list_; }

    // Draws picture `index` with its top left at (x, y); a disabled one is drawn faded.
    void Draw(HDC dc, int x, int y, int index, bool enabled) const;

private:
    HIMAGELIST list_;
    int width_;
    int height_;
};

}  // namespace ui
