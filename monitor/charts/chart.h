#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "monitor/charts/chart_view.h"
#include "monitor/core/frame_record.h"
#include "ui/colour.h"

namespace velmorant {

// One chart: up to six curves of a record over a window of frames, a dotted marker at one
// frame of the window and the six values there. It draws on its view's bitmap and keeps
// the window's state (the number of frames, the column under the marker); the window start
// and the marker offset are its view's scroll bar and track bar positions, and the current
// frame is the position of the frame bar it follows (the main window's, or a pane's).
//
// Positions set from code run the controls' change handlers, which the owner connects to
// the handler steps below. Steps that set several positions at once keep those handlers
// quiet and redraw once at the end, so every step ends with the frame the user chose as the
// current frame and the marker frame.
class Chart {
public:
    Chart(ChartView view, ChartLook look);

    const ChartView& View() const { return view_; }
    const ChartLook& Look() const { return look_; }

    // What the chart reads; set by the owner before the first drawing.
    const FrameRecord* Record = nullptr;
    ui::RangeControl* CurrentFrame = nullptr;
    std::function<ChartSettings()> Settings;

    // The drawing surface; nullptr once it is freed (nothing is drawn then).
    void SetBitmap(ui::Bitmap* bitmap) { view_.Bitmap = bitmap; }

    int ChartFrames() const { return frames_; }
    int Start() const { return view_.WindowStart->Position(); }
    int Offset() const { return view_.Marker->Position(); }

    // The painters. Lines are numbered 1 to 6. Each leaves the pen solid and 1 pixel wide.
    void DrawChartBackground();
    void DrawChartCurve(int start, int line);
    void DrawChartMarker();
    void SaveMarkerColumn(int x);
    void RestoreMarkerColumn();
    // Line colours (the colour buttons' font colours) to the line's labels and picker.
    void ApplyGraphColors();
    void ShowChartValue(int frame, int line);
    // The finished drawing to the image.
    void CopyToImage();
    int MarkerColumnX() const { return markerX_; }

    // Full redraw of a window that begins at frame `start`.
    void FormRefresh(int start);

    // The handler steps.
    void MarkerMoved();       // the marker's track bar
    void WindowStartMoved();  // the window start's scroll bar, or a picker
    // The zoom box's text; a text that is not a whole number throws the conversion error
    // before anything changes.
    void ZoomChanged();
    void StepBack();     // "-1": never moves the window
    void StepForward();  // "+1"
    void Click(int x);   // left button on the chart at column x

    // The whole record in the window with the marker on the current frame, as showing the
    // charts window does.
    void ShowWholeRecord();
    // The newest frames while reading: frame n and the 49 before it.
    void FollowNewest(int n);
    // The current frame moved elsewhere: the window moves just enough to hold it, and the
    // marker stands on it.
    void FollowCurrentFrame();
    // One playback step: the marker forward, at the window's end the window forward.
    void PlaybackStep();
    // A frame was deleted and the record holds `count` frames: the zoom list is rebuilt,
    // a zoom of the whole record follows the record, and the zoom runs again.
    void FrameDeleted(int count);

    // The zoom box's text and list, set without running the zoom.
    void SetZoomText(int frames);
    void SetZoomItems(const std::vector<std::string>& items);

private:
    class Quiet;
    // Label texts: during a full redraw each label takes only its last text, once.
    void SetLabel(ui::Label* label, std::string_view text);
    void FlushLabels();
    void PushCurrentFrame();
    ChartSettings CurrentSettings() const;

    ChartView view_;
    ChartLook look_;
    int frames_ = 1;
    std::array<ui::Colour, kChartHeight> column_{};
    int markerX_ = -1;
    bool columnSaved_ = false;
    int quiet_ = 0;
    int keepCurrentFrame_ = 0;
    int batchLabels_ = 0;
    std::vector<std::pair<ui::Label*, std::string>> pendingLabels_;
};

}  // namespace velmorant
