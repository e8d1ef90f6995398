#pragma once

#include <filesystem>
#include <memory>

#include "monitor/charts/chart.h"
#include "monitor/core/frame_record.h"
#include "monitor/core/parameter_rows.h"
#include "ui/bitmap.h"
#include "ui/combo_box.h"
#include "ui/form.h"
#include "ui/list_view.h"
#include "ui/panel.h"
#include "ui/range_control.h"
#include "ui/status_bar.h"
#include "viewer/pane_twin.h"

namespace velmorant::viewer {

// One pane of the viewer window: a recorded data file's frames, its chart over a window of
// them with a marker, and its parameter list at the left, which shows while this pane is the
// one used last. Both panes are this class over their own controls; the twin data tells
// them apart.
//
// The current frame is the position of the pane's frame bar under the list; after every
// handler it is the chart's marker frame (window start + marker offset).
class Pane {
public:
    Pane(ui::Form& form, const PaneTwin& twin);
    Pane(const Pane&) = delete;
    Pane& operator=(const Pane&) = delete;

    // The other pane, whose list gives way when this pane's list becomes current.
    void SetOther(Pane& other) { other_ = &other; }

    const PaneTwin& Twin() const { return twin_; }
    const FrameRecord& PaneRecord() const { return *record_; }
    int FrameTotal() const { return frameBar_.Max(); }
    int CurrentFrame() const { return frameBar_.Position(); }
    ui::Bitmap& ChartBitmap() { return bitmap_; }
    Chart& GetChart() { return *chart_; }

    bool Active() const { return active_; }
    bool Shown() const { return panel_.Visible(); }
    // The file whose frames the pane shows: the last one read, which its status panel names.
    const std::filesystem::path& RememberedPath() const { return path_; }
    // The status panel names a file that was read, so showing the window reads it again.
    bool HoldsFile() const;

    // The window's creation: the pane active and its drawing surface made.
    void Create();

    // Active flag, and the controls that move the pane's window and marker.
    void EnablePane(bool enabled);
    // This pane's list and frame bar become the ones shown.
    void SwitchList();

    // The rows of frame n; filled into the list only while the list is visible.
    void MemoDraw(int n);

    // Reads a recorded data file into the pane and sets its list and chart up; true when the
    // file was read, which then is the one remembered. A file that cannot be read leaves the
    // pane's frames and remembered file as they were, and its status panel naming that file.
    bool LoadRecordFile(std::filesystem::path path);

    // The pickers' items are the list's row captions 1 to 22, then the empty choice.
    void FillChartSelectors();
    void RefreshChartSelectors();
    void ApplyGraphColors();
    void FormRefresh(int start);

    // Handlers.
    void FrameBarChange();     // the frame bar under the list
    void WindowStartChange();  // the window start: no list switch
    void SelectorChange();     // any of the six pickers
    void MarkerChange();       // the marker's track bar
    void StepBack();           // "-1"
    void StepForward();        // "+1"
    void ZoomChange();         // the window size: no list switch

private:
    ChartSettings Settings() const;
    void SetUpChart();

    ui::Form& form_;
    const PaneTwin& twin_;
    Pane* other_ = nullptr;
    ui::Panel& panel_;
    ui::ListView& list_;
    ui::ScrollBar& frameBar_;
    ui::StatusBar& statusBar_;
    ui::ComboBox& zoom_;
    ui::TrackBar& marker_;
    ui::ScrollBar& windowStart_;

    std::unique_ptr<FrameRecord> record_ = std::make_unique<FrameRecord>();
    ui::Bitmap bitmap_;
    std::unique_ptr<Chart> chart_;
    ParameterRows rows_;
    bool active_ = false;
    std::filesystem::path path_;
    // While a step sets the marker itself, its change is no use of the pane by the user.
    int noSwitch_ = 0;
    // While the reader sets the pane up, the controls' change handlers stand still.
    int settingUp_ = 0;
};

}  // namespace velmorant::viewer
