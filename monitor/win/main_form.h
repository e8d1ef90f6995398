#pragma once

#include <windows.h>

#include <filesystem>
#include <string>

#include "monitor/core/frame_decoder.h"
#include "monitor/core/parameter_rows.h"
#include "monitor/core/record_file.h"
#include "monitor/win/capture_port.h"
#include "monitor/win/plugin_host.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/list_view.h"
#include "ui/menu.h"
#include "ui/range_control.h"
#include "ui/status_bar.h"
#include "ui/timer.h"

namespace velmorant {

class TForm3;

// The capture port record of the reading.
extern TComPortRec CaptureRec;

// The main window: the parameter list of the current frame, reading, the frame position,
// bookmarks, reference columns, playback and the record's files.
class TForm1 : public ui::Form {
public:
    TForm1();

    void TxRxrmCreate();
    void FormShow();
    void FormKeyPress(char& key);
    void FormCloseQuery(bool& canClose);
    void FormClose();
    void FormResize();

    void Button1Click();  // Read/Stop
    void Button5Click();  // Del. frame
    void Button6Click();  // playback
    void ScrollBar1Change();
    void N8Click();  // charts
    void N9Click();  // help
    void N25Click();  // performance check
    void N32Click();  // cable check
    void N31Click();  // large data display
    void N10Click();  // driving parameters
    void Edit1Change();
    void Timer1Timer();  // the frame store
    void Timer2Timer();  // command-line open
    void Timer3Timer();  // performance check result
    // The blank frame 1 of start-up, stored once, before any file.
    void StoreStartupFrame();
    void Timer4Timer();  // playback step
    void Timer6Timer();  // delayed start-up step
    void Timer7Timer();  // lamp back to "Off"
    void Timer5Timer();  // the charts follow the newest frame
    // The charts window's parameter pickers refilled, keeping their selections; the second
    // also redraws the charts.
    void ComboADD();
    void RefreshChartSelectors();
    void WMEdgeList(WPARAM wParam, LPARAM lParam);
    // The capture thread `threadId` gave up on a port that keeps failing.
    void WMCaptureFailed(WPARAM threadId);

    void MemoDraw(int n);
    void ArrangeMainWindow();
    void SetLedDSR(int state);
    void EnableIdleControls(bool stopped);
    void ClearRecord();
    // Asks to save an unsaved record, then clears it unless cancelled or not saved.
    void ConfirmDiscardRecord();
    // View: the question, then the open dialog; only a file read replaces the record.
    void N2Click();
    // Loads a recorded data file (the open dialog for an empty path); true when loaded.
    bool LoadRecordFile(const std::filesystem::path& path);
    void SaveRecordAs();
    void SaveSettings();
    void RemoveCloseCommand();

    bool ReadingStopped() const { return readingStopped_; }
    bool StartupDone() const { return startupDone_; }
    // PluginList and CurrentPlugin.
    const PluginHost& Plugins() const { return plugins_; }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // The Stop command: ends the capture, keeps the frames.
    void StopReading();
    // The checks' commands, their timer and their workers' messages.
    void ConnectChecks();
    bool CheckMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    // At exit: a performance check still running or waiting to show its result ends here.
    void EndChecks();
    void BookmarkMouseDown(ui::Button& button, ui::MouseButton mouse);
    void ReferenceMouseDown(ui::ListView& list, ui::MouseButton mouse);
    void SetPlaybackCaption(const char* caption);
    // The large display and the driving-parameters window: what the frame display writes
    // into them while they are visible, and their mirrors of the frame position.
    void DrawDisplays(const RecordedFrame& frame);
    void MirrorFramePosition();
    // The charts window while it is shown, else nullptr.
    TForm3* VisibleCharts() const;
    // What a good read puts in the windows.
    void ShowRecordFile(const RecordFileContent& content, const std::filesystem::path& path);
    // After any read that got past the file's first line: the car window for an additional
    // description, the reference columns when there are references.
    void ShowRecordExtras();
    // The unsaved record's question (Yes saves it): true when the command may go on.
    bool AskToSaveRecord();
    // The save dialog opened next on the recorded data file's type.
    void OfferRecordFileType();
    // Yes to replacing an existing file that Save As is about to write.
    bool ConfirmReplace(const std::filesystem::path& path);

    ui::ComboBox& comboBox1_;
    ui::Button& button1_;
    ui::Button& button5_;
    ui::Button& button6_;
    ui::ListView& listView1_;
    ui::ListView& listView2_;
    ui::ListView& listView6_;
    ui::Edit& edit1_;
    ui::Image& image1_;
    ui::ScrollBar& scrollBar1_;
    ui::StatusBar& statusBar1_;
    ui::Timer& timer1_;
    ui::Timer& timer2_;
    ui::Timer& timer4_;
    ui::Timer& timer5_;
    ui::Timer& timer6_;
    ui::Timer& timer7_;
    ui::MenuItem& n12_;
    ui::MenuItem& n13_;

    FrameCellBuffer frameCells_;
    FrameBitBuffer frameBits_{};
    ParameterRows rows_;
    bool readingStopped_ = true;
    bool startupDone_ = false;
    bool startupFrameStored_ = false;
    bool inResize_ = false;
    bool resizeAgain_ = false;
    HANDLE instanceMutex_ = nullptr;
    // The file named on the command line, made absolute at start.
    std::filesystem::path commandLineFile_;
    PluginHost plugins_;
};

}  // namespace velmorant
