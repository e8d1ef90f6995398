// The main window's side of the performance check and the cable check.
#include "monitor/core/port_text.h"
#include "monitor/win/cable_check_form.h"
#include "monitor/win/main_form.h"
#include "monitor/win/performance_check.h"
#include "monitor/win/program_forms.h"
#include "ui/dialogs.h"
#include "ui/error_box.h"

namespace velmorant {

namespace {

constexpr char kChoosePort[] = "Choose port";

}  // namespace

void TForm1::ConnectChecks() {
    Get<ui::MenuItem>("N25").OnClick = [this] { N25Click(); };
    Get<ui::MenuItem>("N32").OnClick = [this] { N32Click(); };
    Get<ui::Timer>("Timer3").OnTimer = [this] { Timer3Timer(); };
}

bool TForm1::CheckMessage(UINT msg, WPARAM, LPARAM) {
    // A report that arrives after the check was ended at exit is left alone.
    if (msg == WM_CHECKDONE) {
        ui::Guarded([this] {
            if (CheckPortOpen()) Get<ui::Timer>("Timer3").SetEnabled(true);
        });
        return true;
    }
    if (msg == WM_CHECKFAILED) {
        // Nothing else would ever close the check's port: no result box follows.
        ui::Guarded([this] {
            edit1_.SetText(kCheckFailedText);
            if (CheckPortOpen()) CloseCheckPort();
        });
        return true;
    }
    return false;
}

void TForm1::EndChecks() {
    Get<ui::Timer>("Timer3").SetEnabled(false);
    if (CheckPortOpen()) StopPerformanceCheck();
}

void TForm1::N25Click() {
    if (comboBox1_.Text().empty()) {
        ui::ShowMessage(kChoosePort);
        return;
    }
    // One check at a time: its port stays open until its result has been shown.
    if (CheckPortOpen()) return;
    CheckRec.Reserved = 0;
    CheckRec.Active = 1;
    CheckRec.Stop = 0;
    const std::string number = PortNumberText(comboBox1_.Text());
    if (!OpenCheckPort(PortNumberOrThrow(number))) ui::ShowMessage("Error opening COM" + number);
}

void TForm1::Timer3Timer() {
    Get<ui::Timer>("Timer3").SetEnabled(false);
    CloseCheckPort();
    AcquireCheckResult();
    ui::ShowMessageBox(CheckResultText, "Performance check", MB_OK | MB_ICONINFORMATION);
}

void TForm1::N32Click() {
    if (comboBox1_.Text().empty()) {
        ui::ShowMessage(kChoosePort);
        return;
    }
    Hide();
    if (Forms.Form8) Forms.Form8->Show();
}

}  // namespace velmorant
