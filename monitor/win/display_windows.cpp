#include "monitor/win/display_windows.h"

#include "monitor/win/driving_form.h"
#include "monitor/win/large_display_form.h"
#include "monitor/win/main_form.h"
#include "monitor/win/main_window.h"
#include "monitor/win/program_forms.h"

namespace velmorant {

namespace {

// What the showings of the display windows since the main window last reopened windows hid.
HiddenWindows hidden;

// Where a display window was last put by the program.
struct Placed {
    const ui::Form* form = nullptr;
    int left = 0;
    int top = 0;
};

// The place the two display windows share: the large display's from the settings, or where
// the user last moved one of them. Each is put there when shown, moved only when its own size does
// not fit there, so the fitted place of one never becomes the other's.
struct SharedPlace {
    int left = 0;
    int top = 0;
    Placed placed[2];
} shared;

void Remember(const ui::Form& form) {
    for (Placed& p : shared.placed)
        if (p.form == &form || !p.form) {
            p = {&form, form.Left(), form.Top()};
            return;
        }
}

void PutAtSharedPlace(ui::Form& form) {
    PlaceWindow(form, shared.left, shared.top);
    Remember(form);
}

// A display window that stands elsewhere than the program put it was moved by the user
// while it was shown: the shared place follows it.
void FollowMove(const ui::Form& form) {
    for (const Placed& p : shared.placed)
        if (p.form == &form && (p.left != form.Left() || p.top != form.Top())) {
            shared.left = form.Left();
            shared.top = form.Top();
            Remember(form);
        }
}

}  // namespace

void HideForDisplay(ui::Form* otherDisplay) {
    if (Forms.Form3 && Forms.Form3->Visible()) {
        Forms.Form3->Hide();
        hidden.Charts = true;
    }
    if (Forms.Form4 && Forms.Form4->Visible()) {
        Forms.Form4->Hide();
        hidden.Help = true;
    }
    if (otherDisplay && otherDisplay->Visible()) otherDisplay->Hide();
}

HiddenWindows TakeHiddenWindows() {
    const HiddenWindows taken = hidden;
    hidden = {};
    return taken;
}

void PlaceDisplayWindows(int left, int top) {
    shared = {left, top, {}};
    // The place is the large display's, as PlaceWindows has just put it on the screen; the
    // driving window takes it, moved only where its own size does not fit there.
    if (TForm7* large = Forms.Form7) {
        shared.left = large->Left();
        shared.top = large->Top();
        Remember(*large);
    }
    if (Forms.Form10) PutAtSharedPlace(*Forms.Form10);
}

void TakePlaceOf(ui::Form& shown, const ui::Form* otherDisplay) {
    if (otherDisplay) FollowMove(*otherDisplay);
    FollowMove(shown);
    PutAtSharedPlace(shown);
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
