#pragma once

#include <windows.h>

#include "monitor/core/display_values.h"
#include "ui/button.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/range_control.h"

namespace velmorant {

// The driving-parameters window: the current frame on half-dial gauges with digit
// displays, four flags on lamps, the fuel flow, playback and a scroll bar that mirrors the
// main frame position. It takes the main window's place and gives it back as soon as it
// loses the activation.
class TForm10 : public ui::Form {
public:
    TForm10();

    void FormCreate();
    void FormShow();
    void FormDeactivate();
    void FormClose();
    void FormKeyPress(char& key);
    void ScrollBar1Change();
    void Button6Click();  // playback

    // The frame display's values into the gauges, digits, lamps and labels, in the order
    // the frame display sets them.
    void ShowGauges(const DrivingGauges& g);

    ui::Button& Button6() const { return button6_; }
    ui::ScrollBar& ScrollBar1() const { return scrollBar1_; }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // Back to the main window; true when this window was showing.
    bool GiveBackPlace();
    // The current frame into the main window (its list is filled only while it shows).
    void RedrawMainWindow();
    void CreateGauges();
    void DrawDecorations();

    ui::Button& button6_;
    ui::ScrollBar& scrollBar1_;
};

}  // namespace velmorant
