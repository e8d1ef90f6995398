#include "monitor/win/driving_form.h"

#include <cstdint>
#include <memory>
#include <string>

#include "gauges/kro_digit.h"
#include "gauges/kro_led.h"
#include "gauges/kro_tacho.h"
#include "monitor/win/display_windows.h"
#include "monitor/win/driving_form_design.h"
#include "monitor/win/large_display_form.h"
#include "monitor/win/main_form.h"
#include "monitor/win/main_window.h"
#include "monitor/win/program_forms.h"
#include "ui/error_box.h"
#include "ui/image.h"

namespace velmorant {

TForm10::TForm10()
    : ui::Form(DrivingFormDesign(), DrivingFormComponents()),
      button6_(Get<ui::Button>("Button6")),
      scrollBar1_(Get<ui::ScrollBar>("ScrollBar1")) {
    OnCreate = [this] { FormCreate(); };
    OnShow = [this] { FormShow(); };
    OnDeactivate = [this] { FormDeactivate(); };
    OnClose = [this](ui::CloseAction&) { FormClose(); };
    OnKeyPress = [this](char& key) { FormKeyPress(key); };
    scrollBar1_.OnChange = [this] { ScrollBar1Change(); };
    button6_.OnClick = [this] { Button6Click(); };
    CreateGauges();
    DrawDecorations();
}

void TForm10::CreateGauges() {
    for (const TachoPlace& p : DrivingTachos()) {
        auto& tacho = Adopt(
            std::make_unique<gauges::TKroTacho>(*this, Get<ui::WinControl>(p.parent), p.name));
        tacho.SetBounds(p.left, p.top, p.width, p.height);
        // The maximum first: a minimum above the old maximum would push it.
        tacho.SetMaxValue(p.range.Max);
        tacho.SetMinValue(p.range.Min);
        tacho.SetNumberOfIntervals(p.intervals);
        tacho.SetPinRadius(p.pinRadius);
        tacho.SetPointerColor(ui::kBlue);
        tacho.SetPointerType(gauges::TZeigerform::zfNadel);
        tacho.SetPinColor(ui::kNavy);
        tacho.SetPosition(p.range.Min);
        if (p.scaleFontHeight > 0) {
            ui::Font font = tacho.GetFont();
            font.height = p.scaleFontHeight;
            tacho.SetFont(font);
        }
    }
    // The thermometer shows through the coolant gauge's face.
    Get<gauges::TKroTacho>("KroTacho3").SetTransparent(true);
    ui::Bitmap strip;
    strip.LoadFromResource(kDrivingDigitStrip);
    for (const DigitPlace& p : DrivingDigits()) {
        auto& digit = Adopt(
            std::make_unique<gauges::TKroDigit>(*this, Get<ui::WinControl>(p.parent), p.name));
        digit.SetDigitBitmap(strip);
        digit.SetDigitStyle(gauges::TDigitStyle::dsInteger);
        digit.SetDecimals(0);
        digit.SetDigitScrolling(false);
        digit.SetValue(std::int32_t{0});
        digit.SetDigitCount(static_cast<std::uint8_t>(p.digitCount));
        digit.SetLeft(p.left);
        digit.SetTop(p.top);
    }
    for (const LedPlace& p : DrivingLeds()) {
        auto& led =
            Adopt(std::make_unique<gauges::TKroLED>(*this, Get<ui::WinControl>(p.parent), p.name));
        led.SetBounds(p.left, p.top, 17, 17);
        led.SetColor(ui::kGreen);
        led.SetFrameColor(ui::kBlack);
        led.SetLightEffect(true);
    }
}

void TForm10::DrawDecorations() {
    const ui::Colour face = ui::ToRgb(ui::kBtnFace);
    for (int n = 1; n <= 4; ++n) {
        auto& image = Get<ui::Image>("Image" + std::to_string(n));
        ui::Bitmap& b = image.Picture();
        b.SetSize(17, 17);
        ui::Canvas& c = b.GetCanvas();
        c.SetPenColour(face);
        c.SetBrushColour(face);
        c.Rectangle(0, 0, 17, 17);
        c.SetPenColour(ui::kGrey);
        c.SetBrushColour(ui::kSilver);
        c.Ellipse(2, 2, 15, 15);
        c.MoveTo(5, 11);
        c.LineTo(12, 4);
    }
    auto& thermometer = Get<ui::Image>("Image5");
    ui::Bitmap& b = thermometer.Picture();
    b.SetSize(32, 32);
    ui::Canvas& c = b.GetCanvas();
    c.SetPenColour(face);
    c.SetBrushColour(face);
    c.Rectangle(0, 0, 32, 32);
    c.SetPenColour(ui::kNavy);
    c.SetBrushColour(ui::kWhite);
    c.Rectangle(13, 2, 19, 24);
    c.SetBrushColour(ui::kRed);
    c.Ellipse(10, 20, 22, 31);
    c.SetPenColour(ui::kRed);
    c.Rectangle(15, 10, 17, 24);
}

LRESULT TForm10::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    // The layer's deactivation covers activation moving between the program's own windows;
    // another program taking it over arrives as the application's deactivation. Only while
    // the window is on the screen: hiding the window it replaces, from its show handler,
    // can leave the program without an active window for a moment.
    if (msg == WM_ACTIVATEAPP && !wParam && IsWindowVisible(Handle()) &&
        static_cast<DWORD>(lParam) != GetCurrentThreadId())
        ui::Guarded([this] { FormDeactivate(); });
    return ui::Form::WindowProc(msg, wParam, lParam);
}

void TForm10::FormCreate() {
    SetKeyPreview(true);
}

void TForm10::FormShow() {
    HideForDisplay(Forms.Form7);
    TForm1* main = MainWindow();
    DrawCurrentFrameOnShow();
    if (main) button6_.SetCaption(main->Get<ui::Button>("Button6").Caption());
    TakePlaceOf(*this, Forms.Form7);
}

bool TForm10::GiveBackPlace() {
    if (!Visible()) return false;
    Hide();
    if (TForm1* main = MainWindow()) main->Show();
    return true;
}

void TForm10::FormDeactivate() {
    // The main window's list kept the frame it showed before this window took its place;
    // it comes back showing the current one, as after Esc.
    if (GiveBackPlace()) RedrawMainWindow();
}

void TForm10::FormClose() {
    GiveBackPlace();
    RedrawMainWindow();
}

void TForm10::RedrawMainWindow() {
    if (TForm1* main = MainWindow())
        main->MemoDraw(main->Get<ui::ScrollBar>("ScrollBar1").Position());
}

void TForm10::FormKeyPress(char& key) {
    if (key == 27) {
        key = 0;
        Close();
    }
}

void TForm10::ScrollBar1Change() {
    // A position set from code while the window is hidden changes nothing else.
    if (!Visible()) return;
    MirrorFramePositionFrom(scrollBar1_);
}

void TForm10::Button6Click() {
    if (TForm1* main = MainWindow()) main->Button6Click();
}

namespace {

gauges::DigitValue DigitOf(const DigitValue& v) {
    if (v.IsInteger) return v.Integer;
    return v.Real;
}

}  // namespace

void TForm10::ShowGauges(const DrivingGauges& g) {
    auto tacho = [this](const char* name) -> gauges::TKroTacho& {
        return Get<gauges::TKroTacho>(name);
    };
    auto digit = [this](const char* name, const DigitValue& v) {
        Get<gauges::TKroDigit>(name).SetValue(DigitOf(v));
    };
    tacho("KroTacho1").SetPosition(g.KroTacho1Position);
    tacho("KroTacho1").SetPointerColor(g.KroTacho1Color);
    digit("KroTacho1Digit", g.KroTacho1Digit);
    tacho("KroTacho2").SetPosition(g.KroTacho2Position);
    digit("KroTacho2Digit", g.KroTacho2Digit);
    tacho("KroTacho3").SetPosition(g.KroTacho3Position);
    tacho("KroTacho3").SetPointerColor(g.KroTacho3Color);
    digit("KroTacho3Digit", g.KroTacho3Digit);
    tacho("KroTacho8").SetPosition(g.KroTacho8Position);
    tacho("KroTacho8").SetPointerColor(g.KroTacho8Color);
    tacho("KroTacho7").SetPosition(g.KroTacho7Position);
    tacho("KroTacho6").SetPosition(g.KroTacho6Position);
    tacho("KroTacho5").SetPosition(g.KroTacho5Position);
    tacho("KroTacho4").SetPosition(g.KroTacho4Position);
    digit("KroTacho4Digit", g.KroTacho4Digit);
    Get<ui::Label>("Label6").SetCaption(g.Label6);
    Get<ui::Label>("Label12").SetCaption(g.Label12);
    Get<ui::Label>("Label13").SetCaption(g.Label13);
    Get<gauges::TKroLED>("KroLED1").SetColor(g.KroLED1Color);
    Get<gauges::TKroLED>("KroLED2").SetColor(g.KroLED2Color);
    Get<gauges::TKroLED>("KroLED3").SetColor(g.KroLED3Color);
    Get<gauges::TKroLED>("KroLED4").SetColor(g.KroLED4Color);
}

}  // namespace velmorant
