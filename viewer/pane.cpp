#include "viewer/pane.h"

#include <windows.h>

#include <stdexcept>

#include "monitor/core/chart_parameters.h"
#include "monitor/core/record_file_reader.h"
#include "ui/button.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/text.h"
#include "viewer/pane_design.h"
#include "viewer/viewer_error.h"
#include "viewer/viewer_locale.h"
#include "viewer/viewer_settings.h"

namespace velmorant::viewer {

namespace {

// Holds a counter up while it lives.
class Hold {
public:
    explicit Hold(int& counter) : counter_(counter) { ++counter_; }
    ~Hold() { --counter_; }
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;

private:
    int& counter_;
};

// The two lists lie on one another; the current one is also first in the Z order, so it is
// the one that takes the clicks even while Wine is still hiding the other.
void PlaceInZOrder(ui::WinControl& control, bool top) {
    SetWindowPos(control.Handle(), top ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

ChartView ViewOf(ui::Form& form, const PaneTwin& twin, ui::Bitmap& bitmap) {
    ChartView view;
    view.Bitmap = &bitmap;
    view.Image = &form.Get<ui::Image>(PaneName(twin, "Image", 1));
    for (int n = 1; n <= kChartLines; ++n) {
        ChartLineControls& line = view.Lines[static_cast<std::size_t>(n - 1)];
        line.Picker = &form.Get<ui::ComboBox>(PaneName(twin, "ComboBox", n));
        line.ColourButton = &form.Get<ui::Control>(PaneName(twin, "SpeedButton", n));
        line.Value = &form.Get<ui::Label>(PaneName(twin, "Label", n + 3));
        line.Top = &form.Get<ui::Label>(PaneName(twin, "Label", n + 9));
        line.Middle = &form.Get<ui::Label>(PaneName(twin, "Label", n + 15));
        line.Bottom = &form.Get<ui::Label>(PaneName(twin, "Label", n + 21));
    }
    view.Marker = &form.Get<ui::TrackBar>(PaneName(twin, "TrackBar", 1));
    view.WindowStart = &form.Get<ui::ScrollBar>(PaneName(twin, "ScrollBar", 1));
    view.Zoom = &form.Get<ui::ComboBox>(PaneName(twin, "ComboBox", 7));
    view.FrameLabel = &form.Get<ui::Label>(PaneName(twin, "Label", 1));
    // One window caption for both panes: it names the window of the pane drawn last.
    view.SetCaption = [&form](const std::string& caption) { form.SetCaption(caption); };
    return view;
}

ChartLook LookOf(const PaneTwin& twin) {
    ChartLook look;
    look.Width = kPaneChartWidth;
    look.Texts = twin.Texts;
    look.ValueFrom = std::string(twin.ValueCaptionFrom);
    look.ValueTo = std::string(twin.ValueCaptionTo);
    return look;
}

}  // namespace

Pane::Pane(ui::Form& form, const PaneTwin& twin)
    : form_(form),
      twin_(twin),
      panel_(form.Get<ui::Panel>(twin.Panel)),
      list_(form.Get<ui::ListView>(twin.List)),
      frameBar_(form.Get<ui::ScrollBar>(twin.FrameBar)),
      statusBar_(form.Get<ui::StatusBar>("StatusBar1")),
      zoom_(form.Get<ui::ComboBox>(PaneName(twin, "ComboBox", 7))),
      marker_(form.Get<ui::TrackBar>(PaneName(twin, "TrackBar", 1))),
      windowStart_(form.Get<ui::ScrollBar>(PaneName(twin, "ScrollBar", 1))),
      chart_(std::make_unique<Chart>(ViewOf(form, twin, bitmap_), LookOf(twin))) {
    chart_->Record = record_.get();
    chart_->CurrentFrame = &frameBar_;
    chart_->Settings = [this] { return Settings(); };

    frameBar_.OnChange = [this] { Guarded([this] { FrameBarChange(); }); };
    windowStart_.OnChange = [this] { Guarded([this] { WindowStartChange(); }); };
    marker_.OnChange = [this] { Guarded([this] { MarkerChange(); }); };
    zoom_.OnChange = [this] { Guarded([this] { ZoomChange(); }); };
    for (int n = 1; n <= kChartLines; ++n)
        form.Get<ui::ComboBox>(PaneName(twin, "ComboBox", n)).OnChange = [this] {
            Guarded([this] { SelectorChange(); });
        };
    form.Get<ui::Button>(PaneName(twin, "Button", 1)).OnClick = [this] {
        Guarded([this] { StepBack(); });
    };
    form.Get<ui::Button>(PaneName(twin, "Button", 2)).OnClick = [this] {
        Guarded([this] { StepForward(); });
    };
}

void Pane::Create() {
    active_ = true;
    bitmap_.SetSize(kChartWidth, kChartHeight);
}

bool Pane::HoldsFile() const {
    const std::string text = statusBar_.PanelText(twin_.StatusPanel);
    return !text.empty() && text != kUnknownFileFormat;
}

ChartSettings Pane::Settings() const {
    ChartSettings s;
    s.Units = ConversionOf(Values);
    s.Canvas = static_cast<ui::Colour>(Values.fon);
    s.Axes = static_cast<ui::Colour>(Values.axes);
    s.Marker = static_cast<ui::Colour>(Values.marker);
    s.DecimalSeparator = Locale.DecimalSeparator;
    return s;
}

void Pane::EnablePane(bool enabled) {
    active_ = enabled;
    zoom_.SetEnabled(enabled);
    marker_.SetEnabled(enabled);
    windowStart_.SetEnabled(enabled);
    form_.Get<ui::Button>(PaneName(twin_, "Button", 1)).SetEnabled(enabled);
    form_.Get<ui::Button>(PaneName(twin_, "Button", 2)).SetEnabled(enabled);
}

void Pane::SwitchList() {
    if (other_) {
        ui::ListView& otherList = other_->list_;
        otherList.SetEnabled(false);
        otherList.Hide();
        PlaceInZOrder(otherList, false);
        other_->frameBar_.Hide();
    }
    list_.SetEnabled(true);
    list_.Show();
    PlaceInZOrder(list_, true);
    frameBar_.Show();
}

void Pane::MemoDraw(int n) {
    if (n < 1 || n > kMaxFrames) return;
    BuildParameterRows((*record_)[n], n, FrameTotal(), ConversionOf(Values), Locale,
                       RowsVariant::Viewer, rows_);
    if (!list_.Visible()) return;
    list_.Clear();
    list_.BeginUpdate();
    for (int i = 0; i < kParameterRowCount; ++i)
        list_.AddItem(rows_.Captions[static_cast<std::size_t>(i)],
                      {rows_.Values[static_cast<std::size_t>(i)]});
    list_.EndUpdate();
    list_.Repaint();
}

void Pane::FillChartSelectors() {
    // The captions follow the unit settings; a pane whose list was never drawn has them too.
    if (rows_.Captions[1].empty()) {
        BuildParameterRows((*record_)[CurrentFrame()], CurrentFrame(), FrameTotal(),
                           ConversionOf(Values), Locale, RowsVariant::Viewer, rows_);
    }
    for (const ChartLineControls& line : chart_->View().Lines) {
        ui::ComboBox& picker = *line.Picker;
        const int index = picker.ItemIndex();
        picker.ClearItems();
        for (int row = 1; row <= kNoCurve; ++row)
            picker.AddItem(rows_.Captions[static_cast<std::size_t>(row)]);
        picker.AddItem("");
        picker.SetItemIndex(index < picker.ItemCount() ? index : -1);
    }
}

void Pane::RefreshChartSelectors() {
    // The item indexes survive the refill; the chart is not drawn again.
    FillChartSelectors();
}

void Pane::ApplyGraphColors() {
    chart_->ApplyGraphColors();
}

void Pane::FormRefresh(int start) {
    chart_->FormRefresh(start);
}

bool Pane::LoadRecordFile(std::filesystem::path path) {
    SwitchList();
    EnablePane(true);
    std::error_code error;
    // A file gone since it was chosen: the pane keeps its frames.
    if (!std::filesystem::is_regular_file(path, error)) return false;
    RecordFileResult read = ReadRecordFile(path, Locale.Time);
    switch (read.Status) {
        case ReadStatus::Ok: {
            // Frames above the file's count keep their other fields, never shown.
            for (RecordedFrame& frame : record_->Frames) frame.DataBytes.fill(0);
            CommitFrames(read.Content, *record_);
            statusBar_.SetPanelText(twin_.StatusPanel, ui::WideToCp1251(path.filename().wstring()));
            path_ = std::move(path);
            Hold hold(settingUp_);
            frameBar_.SetMax(static_cast<int>(read.Content.Frames.size()));
            break;
        }
        case ReadStatus::UnknownFormat:
            // The status panel names the file whose frames the pane shows, and that file is
            // read again on showing: with one shown, the refusal is said in the box instead.
            if (HoldsFile()) throw std::runtime_error(read.ErrorText);
            // Without one, the chart is set up again over the frames the pane held.
            statusBar_.SetPanelText(twin_.StatusPanel, kUnknownFileFormat);
            break;
        case ReadStatus::ConversionError:
        case ReadStatus::ReadError:
        case ReadStatus::TooLong:
            throw std::runtime_error(read.ErrorText);
    }
    SetUpChart();
    panel_.Show();
    return read.Status == ReadStatus::Ok;
}

void Pane::SetUpChart() {
    {
        Hold hold(settingUp_);
        // The list's frame, the window and the marker all start at the first frame.
        frameBar_.SetPosition(1);
        MemoDraw(1);
        const auto& lines = chart_->View().Lines;
        for (const ChartLineControls& line : lines) line.Picker->SetItemIndex(-1);
        // Captions of the current unit settings, before the stored selections go in.
        RefreshChartSelectors();
        for (std::size_t i = 0; i < lines.size(); ++i) {
            ui::Font font = lines[i].ColourButton->GetFont();
            font.colour = static_cast<ui::Colour>(Values.col[i]);
            lines[i].ColourButton->SetFont(font);
            const int index = Values.Grafik[i];
            lines[i].Picker->SetItemIndex(index >= 0 && index < lines[i].Picker->ItemCount() ? index
                                                                                             : -1);
        }
        chart_->ApplyGraphColors();
        chart_->ShowWholeRecord();
    }
}

void Pane::FrameBarChange() {
    if (settingUp_ || !active_) return;
    MemoDraw(CurrentFrame());
    // Following the frame bar is no use of the pane: the list stays where it is.
    Hold hold(noSwitch_);
    chart_->FollowCurrentFrame();
}

void Pane::WindowStartChange() {
    if (settingUp_) return;
    chart_->WindowStartMoved();
}

void Pane::SelectorChange() {
    if (settingUp_) return;
    SwitchList();
    chart_->WindowStartMoved();
    // The list just shown may hold another frame, or none.
    MemoDraw(CurrentFrame());
}

void Pane::MarkerChange() {
    if (settingUp_) return;
    const bool switching = noSwitch_ == 0 && !list_.Visible();
    if (noSwitch_ == 0) SwitchList();
    chart_->MarkerMoved();
    if (switching) MemoDraw(CurrentFrame());
}

void Pane::StepBack() {
    chart_->StepBack();
}

void Pane::StepForward() {
    chart_->StepForward();
}

void Pane::ZoomChange() {
    if (settingUp_) return;
    Hold hold(noSwitch_);
    chart_->ZoomChanged();
}

}  // namespace velmorant::viewer
