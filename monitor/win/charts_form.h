#pragma once

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "monitor/charts/chart.h"
#include "ui/bitmap.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/dialog_components.h"
#include "ui/form.h"
#include "ui/range_control.h"
#include "ui/speed_button.h"

namespace velmorant {

// The captions of parameter rows 1 to 22 (chart parameter indexes 0 to 21) under the unit
// settings in force, as the parameter list shows them.
std::vector<std::string_view> ChartPickerCaptions();

// The charts window: up to six parameters of the record as curves over a window of frames,
// with a marker on the current frame and the six values there. Closing only hides it.
class TForm3 : public ui::Form {
public:
    TForm3();

    void FormCreate();
    void FormShow();
    void FormClose();
    void FormKeyPress(char& key);

    // Full redraw of a window that begins at frame `start`.
    void FormRefresh(int start);
    void ScrollBar1Change();  // window start moved
    void ComboBox1Change();   // any of the six pickers
    void ComboBox4Change();   // the zoom box
    void TrackBar1Change();   // marker moved
    void Button1Click();      // "-1"
    void Button2Click();      // "+1"
    void Image1MouseUp(ui::MouseButton button, int x, int y);
    void Button3Click();           // "Del. frame"
    void SpeedButtonClick(int i);  // "Col" of line i, 1 to 6
    void N1Click();                // canvas colour
    void N2Click();                // axis colour
    void N3Click();                // marker colour
    void N4Click();                // default colours

    // What the main window drives.
    void ConnectFramePosition(ui::ScrollBar& mainPosition);
    // Refills the six pickers with the parameter captions and the empty item, keeping
    // their selections.
    void FillPickers(const std::vector<std::string_view>& captions);
    void EnableIdleControls(bool stopped);
    // Frees the off-screen bitmap at shutdown; nothing is drawn afterwards.
    void FreeChartBitmap();

    Chart& Charts() { return chart_; }
    ui::Bitmap* ChartBitmap() { return chartBitmap_.get(); }
    ui::ComboBox& Picker(int i) const;
    ui::SpeedButton& ColourButton(int i) const;

    // The main window's steps this window runs.
    std::function<void()> DeleteFrame;
    std::function<void()> SaveSettings;

private:
    ChartView MakeView();
    // The colour dialog, opened on the colour last chosen in it.
    std::optional<ui::Colour> ChooseColour();

    std::unique_ptr<ui::Bitmap> chartBitmap_;
    Chart chart_;
};

}  // namespace velmorant
