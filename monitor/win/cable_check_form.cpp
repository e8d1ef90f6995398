#include "monitor/win/cable_check_form.h"

#include "monitor/core/port_text.h"
#include "monitor/win/cable_check_form_design.h"
#include "monitor/win/cable_check_port.h"
#include "ui/application.h"
#include "ui/combo_box.h"
#include "ui/dialogs.h"
#include "ui/error_box.h"

namespace velmorant {

namespace {

constexpr char kStart[] = "Start verification";
constexpr char kStop[] = "Stop verification";
constexpr int kCloseSettleMs = 500;

}  // namespace

TForm8::TForm8()
    : ui::Form(CableCheckFormDesign(), CableCheckFormComponents()),
      label1_(Get<ui::Label>("Label1")),
      button1_(Get<ui::Button>("Button1")) {
    OnCreate = [this] { FormCreate(); };
    OnClose = [this](ui::CloseAction&) { FormClose(); };
    OnKeyPress = [this](char& key) { FormKeyPress(key); };
    button1_.OnClick = [this] { Button1Click(); };
    CableCheckWindow = Handle();
}

TForm8::~TForm8() {
    // No worker may report to a window that is gone.
    if (!notVerifying_) CloseCablePort();
    HWND self = Handle();
    CableCheckWindow.compare_exchange_strong(self, nullptr);
}

void TForm8::FormCreate() {
    SetKeyPreview(true);
    notVerifying_ = true;
}

ui::Form* TForm8::Main() const {
    return MainWindow ? MainWindow : ui::App().MainForm();
}

void TForm8::StopVerifying() {
    notVerifying_ = true;
    button1_.SetCaption(kStart);
    CloseCablePort();
}

void TForm8::Button1Click() {
    if (!notVerifying_) {
        StopVerifying();
        return;
    }
    CableRec.Reserved = 0;
    CableRec.Active = 1;
    CableRec.Stop = 0;
    ui::Form* main = Main();
    const std::string number =
        PortNumberText(main ? main->Get<ui::ComboBox>("ComboBox1").Text() : std::string());
    const int port = PortNumberOrThrow(number);
    if (!OpenCablePort(port)) {
        ui::ShowMessage("Error opening COM" + number);
        return;
    }
    notVerifying_ = false;
    portNumber_ = number;
    button1_.SetCaption(kStop);
    // An earlier check's level is no news about this line; the thread reports the level it
    // reads at once, and nothing shows when it cannot be read.
    label1_.SetCaption("");
}

void TForm8::WMCableFailed(WPARAM threadId) {
    // Only the check under way is ended.
    if (!FromRunningWorker(CableRec, threadId)) return;
    StopVerifying();
    // The last level read is no longer the line's: the label shows none.
    label1_.SetCaption("");
    ui::ShowMessage("Error reading COM" + portNumber_);
}

void TForm8::FormClose() {
    if (!notVerifying_) StopVerifying();
    button1_.SetCaption(kStart);
    // The port's driver is given time to let the line go before anything opens it again.
    Sleep(kCloseSettleMs);
    if (ui::Form* main = Main()) main->Show();
}

void TForm8::FormKeyPress(char& key) {
    if (key == 27) {
        key = 0;
        Close();
    }
}

LRESULT TForm8::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CABLELEVEL) {
        ui::Guarded([&] { label1_.SetCaption(wParam ? "1" : "0"); });
        return 0;
    }
    if (msg == WM_CABLEFAILED) {
        // Its box waits for the one the user is answering.
        if (HoldWhileModal(msg, wParam, lParam)) return 0;
        ui::Guarded([&] { WMCableFailed(wParam); });
        return 0;
    }
    return ui::Form::WindowProc(msg, wParam, lParam);
}

}  // namespace velmorant
