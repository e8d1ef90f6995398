#include "monitor/charts/chart.h"

#include <algorithm>
#include <stdexcept>

#include "monitor/core/record_file_text.h"
#include "ui/canvas.h"

namespace velmorant {

// Holds a counter up while it lives.
class Chart::Quiet {
public:
    explicit Quiet(int& counter) : counter_(counter) { ++counter_; }
    ~Quiet() { --counter_; }
    Quiet(const Quiet&) = delete;
    Quiet& operator=(const Quiet&) = delete;

private:
    int& counter_;
};

namespace {

void SetFontColour(ui::Control& control, ui::Colour colour) {
    ui::Font font = control.GetFont();
    if (font.colour == colour) return;
    font.colour = colour;
    control.SetFont(font);
}

// Frames the chart may read: the record holds 1 .. kMaxFrames.
bool FrameInRecord(int frame) {
    return frame >= 1 && frame <= kMaxFrames;
}

}  // namespace

Chart::Chart(ChartView view, ChartLook look) : view_(std::move(view)), look_(std::move(look)) {
    if (view_.Image && view_.Image->Picture().Empty())
        view_.Image->Picture().SetSize(view_.Image->Width(), view_.Image->Height());
}

ChartSettings Chart::CurrentSettings() const {
    return Settings ? Settings() : ChartSettings{};
}

void Chart::DrawChartBackground() {
    const int start = Start();
    if (view_.SetCaption)
        view_.SetCaption(ChartCaption(look_.BackgroundFrom, look_.BackgroundTo, start, frames_));
    // The background erases the marker along with everything else.
    columnSaved_ = false;
    for (const ChartLineControls& line : view_.Lines)
        for (ui::Label* label : {line.Value, line.Top, line.Middle, line.Bottom})
            SetLabel(label, "0");
    if (!view_.Bitmap) return;
    const ChartSettings s = CurrentSettings();
    ui::Canvas& c = view_.Bitmap->GetCanvas();
    c.SetPenStyle(ui::PenStyle::Solid);
    c.SetPenWidth(1);
    c.SetPenColour(s.Axes);
    c.SetBrushStyle(ui::BrushStyle::Solid);
    c.SetBrushColour(s.Canvas);
    c.Rectangle(0, 0, look_.Width, kChartHeight);
    // Opaque dots: the gaps take the brush colour, the canvas colour.
    c.SetPenStyle(ui::PenStyle::Dot);
    for (int y : {99, 49, 149}) {
        c.MoveTo(0, y);
        c.LineTo(look_.Width - 2, y);
    }
    c.SetPenStyle(ui::PenStyle::Solid);
}

void Chart::DrawChartCurve(int start, int line) {
    if (frames_ < 2 || line < 1 || line > kChartLines) return;
    const ChartLineControls& l = view_.Lines[static_cast<std::size_t>(line - 1)];
    const ChartSettings s = CurrentSettings();
    const int p = l.Picker ? l.Picker->ItemIndex() : -1;
    const auto scale = ChartScaleOf(p, s.Units, look_.Texts);
    if (!scale) return;
    SetLabel(l.Top, scale->Top);
    SetLabel(l.Middle, scale->Middle);
    SetLabel(l.Bottom, scale->Bottom);
    if (!view_.Bitmap || !Record) return;
    // Only frames of the window are read, and never one outside the record.
    const int last = std::min(start + frames_ - 1, kMaxFrames);
    if (start < 1 || last <= start) return;
    ui::Canvas& c = view_.Bitmap->GetCanvas();
    c.SetPenColour(l.ColourButton ? l.ColourButton->GetFont().colour : ui::kBlack);
    c.SetPenStyle(ui::PenStyle::Solid);
    c.SetPenWidth(2);
    const FrameRecord& record = *Record;
    c.MoveTo(ChartX(0, frames_, look_.Width), ChartY(p, record[start], s.Units));
    for (int q = 1; start + q <= last; ++q)
        c.LineTo(ChartX(q, frames_, look_.Width), ChartY(p, record[start + q], s.Units));
    c.SetPenWidth(1);
}

void Chart::DrawChartMarker() {
    if (frames_ < 2 || !view_.Bitmap) return;
    const ChartSettings s = CurrentSettings();
    ui::Canvas& c = view_.Bitmap->GetCanvas();
    c.SetPenColour(s.Marker);
    c.SetPenWidth(1);
    c.SetPenStyle(ui::PenStyle::Dot);
    const int x = MarkerX(Offset(), frames_, look_.Width);
    SaveMarkerColumn(x);
    c.MoveTo(x, 0);
    c.LineTo(x, kChartHeight - 2);
    c.SetPenStyle(ui::PenStyle::Solid);
}

void Chart::SaveMarkerColumn(int x) {
    if (!view_.Bitmap) return;
    for (int y = 0; y < kChartHeight; ++y)
        column_[static_cast<std::size_t>(y)] = view_.Bitmap->Pixel(x, y);
    markerX_ = x;
    columnSaved_ = true;
}

void Chart::RestoreMarkerColumn() {
    if (!view_.Bitmap || !columnSaved_) return;
    // Exactly the saved pixels go back; the pen, brush and current point stay as they are.
    ui::Canvas& c = view_.Bitmap->GetCanvas();
    for (int y = 0; y < kChartHeight; ++y)
        c.SetPixel(markerX_, y, column_[static_cast<std::size_t>(y)]);
}

void Chart::ApplyGraphColors() {
    for (const ChartLineControls& l : view_.Lines) {
        if (!l.ColourButton) continue;
        const ui::Colour colour = l.ColourButton->GetFont().colour;
        for (ui::Control* c :
             std::initializer_list<ui::Control*>{l.Value, l.Top, l.Middle, l.Bottom, l.Picker})
            if (c) SetFontColour(*c, colour);
    }
}

void Chart::ShowChartValue(int frame, int line) {
    if (!look_.ValueFrom.empty() && view_.SetCaption)
        view_.SetCaption(ChartCaption(look_.ValueFrom, look_.ValueTo, Start(), frames_));
    if (line < 1 || line > kChartLines || !Record || !FrameInRecord(frame)) return;
    const ChartLineControls& l = view_.Lines[static_cast<std::size_t>(line - 1)];
    if (!l.Picker || !l.Value) return;
    const ChartSettings s = CurrentSettings();
    const RecordedFrame& marked = (*Record)[frame];
    // The frame's own temperature: a list drawn for another frame, or not yet drawn for
    // this one, must not decide the mark.
    const auto text =
        ChartValueText(l.Picker->ItemIndex(), marked, s.Units,
                       ShownCoolantTemperature(marked, s.Units), s.DecimalSeparator, look_.Texts);
    if (text) SetLabel(l.Value, *text);
}

void Chart::CopyToImage() {
    if (!view_.Bitmap || !view_.Image) return;
    view_.Image->Picture().GetCanvas().Draw(0, 0, *view_.Bitmap);
    view_.Image->Invalidate();
}

void Chart::SetLabel(ui::Label* label, std::string_view text) {
    if (!label) return;
    if (batchLabels_ == 0) {
        label->SetCaption(text);
        return;
    }
    for (auto& [pending, pendingText] : pendingLabels_)
        if (pending == label) {
            pendingText = text;
            return;
        }
    pendingLabels_.emplace_back(label, std::string(text));
}

void Chart::FlushLabels() {
    for (const auto& [label, text] : pendingLabels_) label->SetCaption(text);
    pendingLabels_.clear();
}

void Chart::FormRefresh(int start) {
    const int marked = start + Offset();
    std::array<bool, kChartLines> shown{};
    {
        // The background's "0" and the curves' texts meet only here, each label once.
        Quiet batch(batchLabels_);
        DrawChartBackground();
        for (int i = 1; i <= kChartLines; ++i) {
            const ChartLineControls& l = view_.Lines[static_cast<std::size_t>(i - 1)];
            shown[static_cast<std::size_t>(i - 1)] = l.Picker && !l.Picker->Text().empty();
            if (!shown[static_cast<std::size_t>(i - 1)]) continue;
            DrawChartCurve(start, i);
            ShowChartValue(marked, i);
        }
        DrawChartMarker();
    }
    FlushLabels();
    for (int i = 1; i <= kChartLines; ++i) {
        const ChartLineControls& l = view_.Lines[static_cast<std::size_t>(i - 1)];
        for (ui::Label* label : {l.Top, l.Middle, l.Bottom, l.Value})
            if (label) label->SetVisible(shown[static_cast<std::size_t>(i - 1)]);
    }
    CopyToImage();
    if (view_.FrameLabel) view_.FrameLabel->SetCaption(std::to_string(marked));
}

void Chart::PushCurrentFrame() {
    if (CurrentFrame && keepCurrentFrame_ == 0) CurrentFrame->SetPosition(Start() + Offset());
}

void Chart::MarkerMoved() {
    if (quiet_) return;
    RestoreMarkerColumn();
    DrawChartMarker();
    PushCurrentFrame();
    const int marked = Start() + Offset();
    for (int i = 1; i <= kChartLines; ++i) ShowChartValue(marked, i);
    if (view_.FrameLabel) view_.FrameLabel->SetCaption(std::to_string(marked));
    CopyToImage();
}

void Chart::WindowStartMoved() {
    if (quiet_) return;
    FormRefresh(Start());
    PushCurrentFrame();
}

void Chart::ZoomChanged() {
    if (quiet_ || !CurrentFrame) return;
    const int p = CurrentFrame->Position();
    const int count = CurrentFrame->Max();
    const std::string text = view_.Zoom->Text();
    const auto requested = ParseInteger(text);
    if (!requested) throw std::runtime_error(NotAnIntegerText(text));
    const ChartWindow w = ZoomChartWindow(p, count, *requested);
    {
        Quiet q(quiet_);
        frames_ = w.Frames;
        view_.WindowStart->SetMin(1);
        view_.WindowStart->SetMax(w.StartMax);
        view_.WindowStart->SetPosition(w.Start);
        SetZoomText(w.Frames);
        view_.WindowStart->SetLargeChange(ZoomPageStep(w.Frames));
        view_.Marker->SetMax(w.Frames - 1);
        view_.Marker->SetPosition(w.Offset);
    }
    FormRefresh(w.Start);
}

void Chart::StepBack() {
    if (Offset() > view_.Marker->Min()) view_.Marker->SetPosition(Offset() - 1);
}

void Chart::StepForward() {
    if (Offset() < view_.Marker->Max()) view_.Marker->SetPosition(Offset() + 1);
}

void Chart::Click(int x) {
    view_.Marker->SetPosition(ClickOffset(x, look_.Width, view_.Marker->Max()));
}

void Chart::ShowWholeRecord() {
    const int p = CurrentFrame ? CurrentFrame->Position() : 1;
    const int count = CurrentFrame ? CurrentFrame->Max() : 1;
    {
        Quiet q(quiet_);
        frames_ = count;
        SetZoomText(count);
        view_.Marker->SetMax(count - 1);
        view_.Marker->SetPosition(p - 1);
        view_.WindowStart->SetMin(1);
        view_.WindowStart->SetMax(1);
        view_.WindowStart->SetPosition(1);
        SetZoomItems(ZoomList(count));
    }
    FormRefresh(1);
}

void Chart::FollowNewest(int n) {
    const ChartWindow w = FollowNewestFrame(n);
    {
        Quiet q(quiet_);
        view_.Marker->SetMax(w.Frames - 1);
        view_.Marker->SetPosition(w.Offset);
        view_.WindowStart->SetMin(1);
        view_.WindowStart->SetMax(w.StartMax);
        view_.WindowStart->SetPosition(w.Start);
        frames_ = w.Frames;
        SetZoomText(w.Frames);
    }
    FormRefresh(n - frames_ + 1);
}

void Chart::FollowCurrentFrame() {
    if (!CurrentFrame) return;
    // A record that grew under the window (a file read while it is open) lets the window
    // move up to its new end; otherwise the chosen frame could not be reached.
    const int lastStart = CurrentFrame->Max() - frames_ + 1;
    if (lastStart > view_.WindowStart->Max()) view_.WindowStart->SetMax(lastStart);
    const ChartWindow w = PlaceInWindow(CurrentFrame->Position(), Start(), view_.Marker->Max());
    if (w.Start != Start()) {
        // The window moves under the chosen frame: its redraw must not make the frame at
        // the old marker offset the current one.
        Quiet keep(keepCurrentFrame_);
        view_.WindowStart->SetPosition(w.Start);
    }
    view_.Marker->SetPosition(CurrentFrame->Position() - Start());
}

void Chart::PlaybackStep() {
    if (Offset() < view_.Marker->Max())
        view_.Marker->SetPosition(Offset() + 1);
    else
        view_.WindowStart->SetPosition(Start() + 1);
}

void Chart::FrameDeleted(int count) {
    {
        Quiet q(quiet_);
        if (view_.Zoom->Text() == std::to_string(count + 1)) SetZoomText(count);
        SetZoomItems(ZoomListAfterDeletion(count));
    }
    ZoomChanged();
}

void Chart::SetZoomText(int frames) {
    Quiet q(quiet_);
    view_.Zoom->SetText(std::to_string(frames));
}

void Chart::SetZoomItems(const std::vector<std::string>& items) {
    Quiet q(quiet_);
    // Emptying the list empties an editable box's text too; the text stays as it was.
    const std::string text = view_.Zoom->Text();
    view_.Zoom->ClearItems();
    for (const std::string& item : items) view_.Zoom->AddItem(item);
    view_.Zoom->SetText(text);
}

}  // namespace velmorant
