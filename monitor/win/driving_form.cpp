#include "monitor/win/driving_form.h"

#include "monitor/win/display_windows.h"
#include "monitor/win/driving_form_design.h"
#include "monitor/win/large_display_form.h"
#include "monitor/win/main_form.h"
#include "monitor/win/main_window.h"
#include "monitor/win/program_forms.h"
#include "ui/error_box.h"

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
    // During a reading this draws nothing: the next stored frame fills the window.
    if (main) main->ScrollBar1Change();
    if (main) button6_.SetCaption(main->Get<ui::Button>("Button6").Caption());
    if (Forms.Form7) {
        SetLeft(Forms.Form7->Left());
        SetTop(Forms.Form7->Top());
    }
}

bool TForm10::GiveBackPlace() {
    if (!Visible()) return false;
    Hide();
    if (TForm1* main = MainWindow()) main->Show();
    return true;
}

void TForm10::FormDeactivate() {
    GiveBackPlace();
}

void TForm10::FormClose() {
    GiveBackPlace();
    TForm1* main = MainWindow();
    if (main) main->MemoDraw(main->Get<ui::ScrollBar>("ScrollBar1").Position());
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
    const int position = scrollBar1_.Position();
    const int max = scrollBar1_.Max();
    if (TForm1* main = MainWindow())
        SetMirror(main->Get<ui::ScrollBar>("ScrollBar1"), position, max);
    if (Forms.Form7) SetMirror(Forms.Form7->ScrollBar1(), position, max);
}

void TForm10::Button6Click() {
    if (TForm1* main = MainWindow()) main->Button6Click();
}

void TForm10::ShowGauges(const DrivingGauges& g) {
    Get<ui::Label>("Label6").SetCaption(g.Label6);
    Get<ui::Label>("Label12").SetCaption(g.Label12);
    Get<ui::Label>("Label13").SetCaption(g.Label13);
}

}  // namespace velmorant
