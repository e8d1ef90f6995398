#include "monitor/win/display_windows.h"

#include "monitor/win/driving_form.h"
#include "monitor/win/large_display_form.h"
#include "monitor/win/main_form.h"
#include "monitor/win/main_window.h"
#include "monitor/win/program_forms.h"
#include "monitor/win/program_state.h"

namespace velmorant {

void HideForDisplay(ui::Form* otherDisplay) {
    if (Forms.Form3 && Forms.Form3->Visible()) {
        Forms.Form3->Hide();
        ProgramSettings.Graphs = true;
    }
    if (Forms.Form4 && Forms.Form4->Visible()) {
        Forms.Form4->Hide();
        ProgramSettings.Metodika = true;
    }
    if (otherDisplay && otherDisplay->Visible()) otherDisplay->Hide();
}

void TakePlaceOf(ui::Form& shown, const ui::Form* otherDisplay) {
    // The other window's place suits its own size; this one may be larger.
    if (otherDisplay) PlaceWindow(shown, otherDisplay->Left(), otherDisplay->Top());
}

void DrawCurrentFrameOnShow() {
    TForm1* main = MainWindow();
    if (!main) return;
    if (main->ReadingStopped())
        main->ScrollBar1Change();
    else
        main->MemoDraw(main->Get<ui::ScrollBar>("ScrollBar1").Position());
}

namespace {

void SetMirror(ui::ScrollBar& bar, int position, int max) {
    if (max >= bar.Max()) {
        bar.SetMax(max);
        bar.SetPosition(position);
    } else {
        bar.SetPosition(position);
        bar.SetMax(max);
    }
}

}  // namespace

void MirrorFramePositionFrom(const ui::ScrollBar& source) {
    const int position = source.Position();
    const int max = source.Max();
    ui::ScrollBar* main = nullptr;
    if (TForm1* form = MainWindow()) main = &form->Get<ui::ScrollBar>("ScrollBar1");
    ui::ScrollBar* const bars[] = {main, Forms.Form7 ? &Forms.Form7->ScrollBar1() : nullptr,
                                   Forms.Form10 ? &Forms.Form10->ScrollBar1() : nullptr};
    for (ui::ScrollBar* bar : bars)
        if (bar && bar != &source) SetMirror(*bar, position, max);
}

}  // namespace velmorant
