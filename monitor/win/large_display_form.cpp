#include "monitor/win/large_display_form.h"

#include <algorithm>
#include <string>

#include "monitor/win/display_windows.h"
#include "monitor/win/driving_form.h"
#include "monitor/win/large_display_form_design.h"
#include "monitor/win/main_form.h"
#include "monitor/win/main_window.h"
#include "monitor/win/program_forms.h"
#include "ui/image.h"

namespace velmorant {

std::unique_ptr<ui::Bitmap> LampOnBitmap;
std::unique_ptr<ui::Bitmap> LampOffBitmap;

namespace {

constexpr int kLampWidth = 41;
constexpr int kLampHeight = 25;

std::unique_ptr<ui::Bitmap> MakeLamp(ui::Colour colour, const char* text) {
    auto lamp = std::make_unique<ui::Bitmap>(kLampWidth, kLampHeight);
    ui::Canvas& canvas = lamp->GetCanvas();
    // A fresh canvas: black one-pixel pen, its default font, here made bold and 12 points.
    canvas.SetBrushColour(colour);
    canvas.Rectangle(0, 0, kLampWidth, kLampHeight);
    ui::Font font = canvas.GetFont();
    font.bold = true;
    font.height = 16;  // 12 points at 96 dots per inch
    font.colour = ui::kBlack;
    canvas.SetFont(font);
    canvas.DrawString(16, 3, text);
    return lamp;
}

}  // namespace

void BuildLampBitmaps() {
    LampOffBitmap = MakeLamp(ui::kRed, "0");
    LampOnBitmap = MakeLamp(ui::kLime, "1");
}

void FreeLampBitmaps() {
    LampOffBitmap.reset();
    LampOnBitmap.reset();
}

TForm7::TForm7()
    : ui::Form(LargeDisplayFormDesign(), LargeDisplayFormComponents()),
      edit1_(Get<ui::Edit>("Edit1")),
      button2_(Get<ui::Button>("Button2")),
      button3_(Get<ui::Button>("Button3")),
      scrollBar1_(Get<ui::ScrollBar>("ScrollBar1")) {
    OnCreate = [this] { FormCreate(); };
    OnShow = [this] { FormShow(); };
    OnClose = [this](ui::CloseAction&) { FormClose(); };
    OnKeyPress = [this](char& key) { FormKeyPress(key); };
    scrollBar1_.OnChange = [this] { ScrollBar1Change(); };
    button2_.OnClick = [this] { Button2Click(); };
    button3_.OnClick = [this] { Button3Click(); };
}

void TForm7::FormCreate() {
    SetKeyPreview(true);
    BuildLampBitmaps();
    FitFlagCaptions();
}

void TForm7::FitFlagCaptions() {
    // "O2 sensor (right - for V6)" in 24-pixel Courier New ends past the designed 995
    // pixels; the window widens to keep the longest caption whole.
    int right = 0;
    for (int k = 21; k <= 38; ++k)
        right = std::max(
            right, static_cast<int>(Get<ui::Control>("Label" + std::to_string(k)).Bounds().right));
    const int width = right + 6;
    if (width <= ClientWidth()) return;
    SetClientSize(width, ClientHeight());
    scrollBar1_.SetWidth(width - 2 * scrollBar1_.Left());
}

void TForm7::FormShow() {
    HideForDisplay(Forms.Form10);
    DrawCurrentFrameOnShow();
    TakePlaceOf(*this, Forms.Form10);
}

void TForm7::FormClose() {
    TForm1* main = MainWindow();
    if (!main) return;
    main->Show();
    main->MemoDraw(main->Get<ui::ScrollBar>("ScrollBar1").Position());
}

void TForm7::FormKeyPress(char& key) {
    if (key == 27) {
        key = 0;
        Close();
    }
}

void TForm7::ScrollBar1Change() {
    // A position set from code while the window is hidden changes nothing else.
    if (!Visible()) return;
    MirrorFramePositionFrom(scrollBar1_);
}

void TForm7::Button2Click() {
    if (TForm1* main = MainWindow()) main->Button1Click();
}

void TForm7::Button3Click() {
    if (TForm1* main = MainWindow()) main->Button6Click();
}

void TForm7::Draw1(std::string_view imageName) {
    DrawLamp(imageName, LampOnBitmap.get());
}

void TForm7::Draw0(std::string_view imageName) {
    DrawLamp(imageName, LampOffBitmap.get());
}

void TForm7::DrawLamp(std::string_view imageName, const ui::Bitmap* lamp) {
    // After shutdown has freed the lamps the image keeps what it shows.
    if (!lamp) return;
    auto& image = Get<ui::Image>(imageName);
    ui::Bitmap& picture = image.Picture();
    // An image without a picture gets one of its own size to draw on.
    if (picture.Empty()) picture.SetSize(image.Width(), image.Height());
    picture.GetCanvas().Draw(0, 0, *lamp);
    image.Invalidate();
}

}  // namespace velmorant
