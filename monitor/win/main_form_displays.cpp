// The main window's steps for the windows that take its place: the large data display and
// the driving-parameters window.

#include <string>

#include "monitor/core/display_values.h"
#include "monitor/win/display_windows.h"
#include "monitor/win/driving_form.h"
#include "monitor/win/large_display_form.h"
#include "monitor/win/main_form.h"
#include "monitor/win/program_forms.h"
#include "ui/label.h"

namespace velmorant {

void TForm1::N31Click() {
    Hide();
    if (Forms.Form7) Forms.Form7->Show();
}

void TForm1::N10Click() {
    if (Forms.Form10) Forms.Form10->Show();
    Hide();
}

void TForm1::Edit1Change() {
    if (Forms.Form7) Forms.Form7->Edit1().SetText(edit1_.Text());
}

void TForm1::SetPlaybackCaption(const char* caption) {
    button6_.SetCaption(caption);
    if (Forms.Form7) Forms.Form7->Button3().SetCaption(caption);
    if (Forms.Form10) Forms.Form10->Button6().SetCaption(caption);
}

void TForm1::MirrorFramePosition() {
    MirrorFramePositionFrom(scrollBar1_);
}

void TForm1::DrawDisplays(const RecordedFrame& frame) {
    // A window's own visibility, not its window's: a window being shown is drawn from its
    // show handler, before Windows makes it visible.
    if (TForm7* large = Forms.Form7; large && large->Visible()) {
        const LargeDisplayValues v = LargeDisplayOf(frame, rows_);
        large->Get<ui::Label>("Label36").SetCaption(v.Label36);
        large->Get<ui::Label>("Label37").SetCaption(v.Label37);
        for (int i = 1; i <= 10; ++i)
            large->Get<ui::Label>("Label" + std::to_string(10 + i))
                .SetCaption(v.DataLabels[static_cast<std::size_t>(i - 1)]);
        for (int j = 1; j <= 12; ++j) {
            const std::string image = "Image" + std::to_string(j);
            if (v.Lamps[static_cast<std::size_t>(j - 1)])
                large->Draw1(image);
            else
                large->Draw0(image);
        }
        large->Get<ui::Label>("Label34").SetCaption(v.Label34);
    }
    if (TForm10* driving = Forms.Form10; driving && driving->Visible())
        driving->ShowGauges(DrivingGaugesOf(frame, rows_));
}

}  // namespace velmorant
