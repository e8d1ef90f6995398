#pragma once

#include <memory>
#include <string_view>

#include "ui/bitmap.h"
#include "ui/button.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/range_control.h"

namespace velmorant {

// The two lamp pictures of the large display, 41 x 25: a lime "1" for a set flag, a red "0"
// for a clear one. Built when the window is created, freed by the main window at shutdown.
extern std::unique_ptr<ui::Bitmap> LampOnBitmap;
extern std::unique_ptr<ui::Bitmap> LampOffBitmap;
void BuildLampBitmaps();
void FreeLampBitmaps();

// The large data display: the current frame's ten values in large type and its twelve
// flags as lamps, a copy of the main window's information line, Read and playback, and a
// scroll bar that mirrors the main frame position. It takes the main window's place.
class TForm7 : public ui::Form {
public:
    TForm7();

    void FormCreate();
    void FormShow();
    void FormClose();
    void FormKeyPress(char& key);
    void ScrollBar1Change();
    void Button2Click();  // Read/Stop
    void Button3Click();  // playback

    // Draws the lit or the dark lamp onto the image of that name ("Image1" .. "Image12").
    void Draw1(std::string_view imageName);
    void Draw0(std::string_view imageName);

    ui::Edit& Edit1() const { return edit1_; }
    ui::Button& Button2() const { return button2_; }
    ui::Button& Button3() const { return button3_; }
    ui::ScrollBar& ScrollBar1() const { return scrollBar1_; }

private:
    void DrawLamp(std::string_view imageName, const ui::Bitmap* lamp);
    void FitFlagCaptions();

    ui::Edit& edit1_;
    ui::Button& button2_;
    ui::Button& button3_;
    ui::ScrollBar& scrollBar1_;
};

}  // namespace velmorant
