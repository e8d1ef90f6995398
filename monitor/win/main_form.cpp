#include "monitor/win/main_form.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

#include "monitor/core/bookmarks.h"
#include "monitor/core/display_values.h"
#include "monitor/core/frame_store.h"
#include "monitor/core/main_layout.h"
#include "monitor/core/port_text.h"
#include "monitor/core/record_file_reader.h"
#include "monitor/core/record_file_text.h"
#include "monitor/core/record_file_writer.h"
#include "monitor/core/save_target.h"
#include "monitor/core/text_export.h"
#include "monitor/core/settings_file.h"
#include "monitor/win/display_windows.h"
#include "monitor/win/large_display_form.h"
#include "monitor/win/charts_form.h"
#include "monitor/win/main_form_design.h"
#include "monitor/win/program_forms.h"
#include "monitor/win/registration.h"
#include "monitor/win/program_state.h"
#include "ui/application.h"
#include "ui/clock.h"
#include "ui/dialog_components.h"
#include "ui/dialogs.h"
#include "ui/error_box.h"
#include "ui/modal.h"
#include "ui/program_environment.h"

namespace velmorant {

TComPortRec CaptureRec{};

namespace {

constexpr char kUnsavedQuestion[] = "Data not saved. Save to file?";
constexpr char kWarning[] = "Warning!";

std::string Numbered(const char* base, int n) { return base + std::to_string(n); }

std::string FileNameText(const std::filesystem::path& path) {
    return FileNameOfPath(PathText(path));
}

}  // namespace

TForm1::TForm1()
    : ui::Form(MainFormDesign(), MainFormComponents()),
      comboBox1_(Get<ui::ComboBox>("ComboBox1")),
      button1_(Get<ui::Button>("Button1")),
      button5_(Get<ui::Button>("Button5")),
      button6_(Get<ui::Button>("Button6")),
      listView1_(Get<ui::ListView>("ListView1")),
      listView2_(Get<ui::ListView>("ListView2")),
      listView6_(Get<ui::ListView>("ListView6")),
      edit1_(Get<ui::Edit>("Edit1")),
      image1_(Get<ui::Image>("Image1")),
      scrollBar1_(Get<ui::ScrollBar>("ScrollBar1")),
      statusBar1_(Get<ui::StatusBar>("StatusBar1")),
      timer1_(Get<ui::Timer>("Timer1")),
      timer2_(Get<ui::Timer>("Timer2")),
      timer4_(Get<ui::Timer>("Timer4")),
      timer5_(Get<ui::Timer>("Timer5")),
      timer6_(Get<ui::Timer>("Timer6")),
      timer7_(Get<ui::Timer>("Timer7")),
      n12_(Get<ui::MenuItem>("N12")),
      n13_(Get<ui::MenuItem>("N13")) {
    OnCreate = [this] { TxRxrmCreate(); };
    OnShow = [this] { FormShow(); };
    OnKeyPress = [this](char& key) { FormKeyPress(key); };
    OnCloseQuery = [this](bool& canClose) { FormCloseQuery(canClose); };
    OnClose = [this](ui::CloseAction&) { FormClose(); };
    OnResize = [this] { FormResize(); };

    button1_.OnClick = [this] { Button1Click(); };
    button5_.OnClick = [this] { Button5Click(); };
    button6_.OnClick = [this] { Button6Click(); };
    scrollBar1_.OnChange = [this] { ScrollBar1Change(); };
    timer1_.OnTimer = [this] { StoreStartupFrame(); };
    timer2_.OnTimer = [this] { Timer2Timer(); };
    timer4_.OnTimer = [this] { Timer4Timer(); };
    timer5_.OnTimer = [this] { Timer5Timer(); };
    timer6_.OnTimer = [this] { Timer6Timer(); };
    timer7_.OnTimer = [this] { Timer7Timer(); };

    for (int n = 1; n <= 10; ++n) {
        auto& b = Get<ui::Button>(Numbered("BitBtn", n));
        b.OnMouseDown = [this, &b](ui::MouseButton m, int, int) { BookmarkMouseDown(b, m); };
    }
    for (int r = 0; r < 3; ++r) {
        auto& list = Get<ui::ListView>(Numbered("ListView", 3 + r));
        Get<ui::Button>(Numbered("Button", 2 + r)).OnMouseDown =
            [this, &list](ui::MouseButton m, int, int) { ReferenceMouseDown(list, m); };
    }

    Get<ui::MenuItem>("N14").OnClick = [this] {
        ConfirmDiscardRecord();
        SetFocus();
    };
    Get<ui::MenuItem>("N2").OnClick = [this] { N2Click(); };
    Get<ui::MenuItem>("N3").OnClick = [this] { SaveRecordAs(); };
    Get<ui::MenuItem>("N4").OnClick = [this] { Close(); };
    Get<ui::MenuItem>("N26").OnClick = [this] {
        readingStopped_ = true;
        if (Forms.Form5) Forms.Form5->Show();
    };
    Get<ui::MenuItem>("N8").OnClick = [this] { N8Click(); };
    Get<ui::MenuItem>("N9").OnClick = [this] { N9Click(); };
    Get<ui::MenuItem>("N31").OnClick = [this] { N31Click(); };
    Get<ui::MenuItem>("N10").OnClick = [this] { N10Click(); };
    edit1_.OnChange = [this] { Edit1Change(); };
    Get<ui::MenuItem>("N34").OnClick = [] {
        if (Forms.Form9) Forms.Form9->Show();
    };
    Get<ui::MenuItem>("N28").OnClick = [] {
        if (Forms.Form6) Forms.Form6->Show();
    };
    for (ui::MenuItem* item : {&n12_, &n13_}) {
        item->OnClick = [this, item] {
            item->SetChecked(!item->Checked());
            ui::ProcessMessages();
            ArrangeMainWindow();
        };
    }
    ConnectChecks();
    // The bookmark layout of every resize, for the window's first size too.
    FormResize();
}

LRESULT TForm1::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_EDGELIST) {
        ui::Guarded([&] { WMEdgeList(wParam, lParam); });
        return 0;
    }
    if (msg == WM_CAPTUREFAILED) {
        // Its box waits for the one the user is answering.
        if (HoldWhileModal(msg, wParam, lParam)) return 0;
        ui::Guarded([&] { WMCaptureFailed(wParam); });
        return 0;
    }
    if (msg == WM_COUNTERFAILED) {
        ui::Guarded([&] { edit1_.SetText(kCounterFailedText); });
        return 0;
    }
    if (CheckMessage(msg, wParam, lParam)) return 0;
    return ui::Form::WindowProc(msg, wParam, lParam);
}

void TForm1::TxRxrmCreate() {
    SetKeyPreview(true);
    readingStopped_ = true;
    RecordUnsaved = false;
    startupDone_ = false;
    CaptureWindow = Handle();
    for (int n = 1; n <= 50; ++n)
        if (ProbeComPort(Numbered("COM", n).c_str())) comboBox1_.AddItem(Numbered("COM", n));
    if (comboBox1_.ItemCount() > 0) comboBox1_.SetText(comboBox1_.Item(0));
    FrameCount = 1;
    if (const auto arguments = ui::CommandLineArguments(); !arguments.empty()) {
        // Against the folder the program was started from, so that the record's file (and the
        // name Save As offers) is the one that was read.
        std::error_code error;
        const auto full = std::filesystem::absolute(arguments.front(), error);
        commandLineFile_ = error ? std::filesystem::path(arguments.front()) : full;
        timer2_.SetEnabled(true);
    }
    // An error here ends the creation in the error box; the lamp then stays empty.
    plugins_.Scan(*this, Get<ui::MenuItem>("N5"), ui::ProgramFolder());
    RegisterFileType(ui::ExecutablePath());
    SetLedDSR(0);
}

void TForm1::N8Click() {
    if (Forms.Form3) Forms.Form3->Show();
    // Refills the pickers (ComboADD) with the selections kept.
    RefreshChartSelectors();
    SetFocus();
}

void TForm1::N9Click() {
    readingStopped_ = true;
    if (Forms.Form4) Forms.Form4->Show();
    SetFocus();
}

void TForm1::FormShow() {
    button1_.SetFocus();
    timer6_.SetEnabled(true);
}

void TForm1::Timer6Timer() {
    timer6_.SetEnabled(false);
    // At start the windows open at the last exit; later only those that the showing of a
    // display window hid, not one the user has closed since.
    const HiddenWindows hidden = TakeHiddenWindows();
    if (startupDone_ ? hidden.Charts : ProgramSettings.Graphs) N8Click();
    if (startupDone_ ? hidden.Help : ProgramSettings.Metodika) N9Click();
    SetFocus();
    if (startupDone_) return;
    const char* name = "Velmorant";
    if (HANDLE other = OpenMutexA(MUTEX_ALL_ACCESS, FALSE, name)) {
        CloseHandle(other);
        if (ProgramSettings.ManyInstances) {
            ui::ShowMessageBox(
                "Are you authorized to open only to one copy of the program. Program already "
                "has been started!",
                kWarning, MB_OK | MB_ICONINFORMATION);
            Close();
            return;
        }
    }
    instanceMutex_ = CreateMutexA(nullptr, FALSE, name);
    startupDone_ = true;
}

void TForm1::FormKeyPress(char& key) {
    if (key == 27 && startupDone_) Close();
}

void TForm1::FormCloseQuery(bool& canClose) {
    if (RecordUnsaved.load()) ConfirmDiscardRecord();
    canClose = !RecordUnsaved.load();
}

void TForm1::FormClose() {
    // No capture thread may outlive the windows.
    if (CapturePortOpen(CaptureRec)) CloseCapturePort(CaptureRec);
    EndChecks();
    readingStopped_ = true;
    RemoveCloseCommand();
    timer4_.SetEnabled(false);
    edit1_.SetText("Exiting...");
    ui::ProcessMessages();
    startupDone_ = false;
    // A settings file that cannot be written ends in the error box; the program still ends.
    ui::Guarded([this] { SaveSettings(); });
    FreeLampBitmaps();
    if (Forms.Form3) Forms.Form3->FreeChartBitmap();
    if (instanceMutex_) {
        CloseHandle(instanceMutex_);
        instanceMutex_ = nullptr;
    }
}

void TForm1::RemoveCloseCommand() {
    // Our own window, not whichever copy of the program a search by title finds first.
    HMENU menu = GetSystemMenu(Handle(), FALSE);
    if (!menu) return;
    DeleteMenu(menu, SC_CLOSE, MF_BYCOMMAND);
    // The separator that stood above Close.
    const int count = GetMenuItemCount(menu);
    if (count > 0) DeleteMenu(menu, static_cast<UINT>(count - 1), MF_BYPOSITION);
}

void TForm1::SaveSettings() {
    Settings s = ProgramSettings;
    for (const auto& [n, form] : NumberedWindows(*this))
        s.FormPos[n] = {form->Left(), form->Top()};
    if (Forms.Form6) s.Koment = Forms.Form6->Koment();
    // The windows open now are noted, and "ActiveForms" written, only at exit, when the
    // close has undone start-up; a write during the run keeps both as they were.
    if (!startupDone_) {
        s.Graphs = Forms.Form3 && IsWindowVisible(Forms.Form3->Handle());
        s.Metodika = Forms.Form4 && IsWindowVisible(Forms.Form4->Handle());
    }
    WriteSettings(SettingsPathOf(ui::ExecutablePath()), s, !startupDone_);
    ProgramSettings = s;
}

void TForm1::FormResize() {
    // The messages processed between the columns can bring another resize (the window
    // widening for the reference columns while a file opens at start): that one only asks
    // for the layout to be done again, for the width the window has by then.
    if (inResize_) {
        resizeAgain_ = true;
        return;
    }
    inResize_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{inResize_};
    do {
        resizeAgain_ = false;
        const int width = Width();
        const auto places = BookmarkLayout(width);
        for (int n = 1; n <= 5; ++n) {
            for (int b : {n, n + 5}) {
                auto& button = Get<ui::Button>(Numbered("BitBtn", b));
                button.SetLeft(places[n - 1].Left);
                button.SetWidth(places[n - 1].Width);
            }
            ui::ProcessMessages();
        }
        if (Width() != width) resizeAgain_ = true;
    } while (resizeAgain_);
}

void TForm1::Button1Click() {
    if (button1_.Caption().find("Read") != std::string::npos) {
        ConfirmDiscardRecord();
        if (RecordUnsaved.load()) return;
        ClearRecord();
        FrameCount = 1;
        if (Forms.Form5) Forms.Form5->Close();
        if (Forms.Form6) {
            Forms.Form6->Close();
            Forms.Form6->Memo1().Clear();
        }
        CaptureRec.Reserved = 0;
        CaptureRec.Active = 1;
        CaptureRec.Stop = 0;
        const std::string number = PortNumberText(comboBox1_.Text());
        if (OpenCapturePort(PortNumberOrThrow(number), CaptureRec)) {
            EnableIdleControls(false);
            edit1_.SetText("Reading...");
        } else {
            ui::ShowMessage("Error opening COM" + number);
        }
        return;
    }
    StopReading();
}

void TForm1::StopReading() {
    // Ends the capture, says so and captions the button "Read".
    EnableIdleControls(true);
    timer7_.SetEnabled(false);
    timer7_.SetEnabled(true);
}

void TForm1::WMCaptureFailed(WPARAM threadId) {
    // Only the reading under way is ended.
    if (!FromRunningWorker(CaptureRec, threadId)) return;
    // The port box is disabled while reading, so it still names the port being read.
    const std::string number = PortNumberText(comboBox1_.Text());
    StopReading();
    ui::ShowMessage("Error reading COM" + number);
}

void TForm1::WMEdgeList(WPARAM wParam, LPARAM lParam) {
    auto list = TakeEdgeList(wParam, lParam);
    // A list still queued when the reading ended (Stop, a save, the full record) is dropped:
    // the record stays the one the user stopped, and a save writes the record it was asked
    // for.
    if (!list || readingStopped_) return;
    // The size the message claims, but never more than the block held.
    const std::size_t bytes =
        std::min(static_cast<std::size_t>(lParam), list->size() * sizeof(TEdgeRecord));
    const auto result = DecodeEdgeList(list->data(), bytes, frameCells_, frameBits_);
    if (result == DecodeResult::Ignored) return;
    timer7_.SetEnabled(false);
    SetLedDSR(result == DecodeResult::Good ? 1 : -1);
    timer7_.SetEnabled(true);
    if (result == DecodeResult::Good) Timer1Timer();
}

void TForm1::Timer1Timer() {
    timer1_.SetEnabled(false);
    const FrameStoreResult stored = StoreNextFrame(Record, FrameCount, frameBits_, ui::Now());
    if (!stored.Stored) return;  // lists still queued after the record filled up
    const int n = stored.Index;
    scrollBar1_.SetMax(n);
    scrollBar1_.SetPosition(n);
    MirrorFramePosition();
    MemoDraw(n);
    if (VisibleCharts()) timer5_.SetEnabled(true);
    if (stored.RecordFull) {
        CloseCapturePort(CaptureRec);
        EnableIdleControls(true);
        SaveRecordAs();
    }
}

void TForm1::StoreStartupFrame() {
    timer1_.SetEnabled(false);
    if (startupFrameStored_) return;
    startupFrameStored_ = true;
    Timer1Timer();
}

void TForm1::Timer2Timer() {
    timer2_.SetEnabled(false);
    // A box shown while the windows are still being created lets this timer fire before the
    // settings and car windows exist; the file waits for them.
    if (!Forms.Form9) {
        timer2_.SetEnabled(true);
        return;
    }
    // The blank frame 1 of start-up must never land on top of the loaded file: creating the
    // other windows can let this timer fire before the 30 ms one has even started.
    StoreStartupFrame();
    // The settings are read again before the file, as the settings window's creation does.
    // Settings that cannot be read (an old file whose erasure cannot be written) are reported
    // and the file the program was started with is opened all the same.
    ui::Guarded([] { Forms.Form9->FormCreate(); });
    if (!ui::CommandLineArguments().empty()) LoadRecordFile(commandLineFile_);
}

void TForm1::Timer7Timer() {
    timer7_.SetEnabled(false);
    SetLedDSR(0);
}

void TForm1::SetLedDSR(int state) {
    if (state == -1) image1_.LoadFromResource("Err");
    if (state == 0) image1_.LoadFromResource("Off");
    if (state == 1) image1_.LoadFromResource("On");
}

void TForm1::MemoDraw(int n) {
    const RecordedFrame& frame = Record[n];
    BuildParameterRows(frame, n, scrollBar1_.Max(), ConversionOf(ProgramSettings), UserLocale,
                       RowsVariant::Monitor, rows_);
    if (IsWindowVisible(Handle())) {
        listView1_.Clear();
        listView2_.Clear();
        listView1_.BeginUpdate();
        listView2_.BeginUpdate();
        for (int i = 0; i < kParameterRowCount; ++i) {
            listView1_.AddItem(rows_.Captions[i]);
            listView2_.AddItem(rows_.Values[i]);
        }
        listView2_.EndUpdate();
        listView1_.EndUpdate();
    }
    DrawDisplays(frame);
    if (n12_.Checked()) {
        listView6_.Clear();
        for (const std::string& item : BytesColumnOf(frame)) listView6_.AddItem(item);
    }
}

void TForm1::ArrangeMainWindow() {
    const MainWindowLayout layout =
        MainWindowLayoutFor(n12_.Checked(), n13_.Checked(), Get<ui::Control>("Panel1").Width());
    const RECT before = Bounds();
    SetWidth(layout.Width);
    // Widening to the right must not take the new columns off the screen.
    if (layout.Width > before.right - before.left) KeepOnItsWorkArea(*this, before);
    edit1_.SetWidth(layout.Edit1Width);
    scrollBar1_.SetWidth(layout.ScrollBar1Width);
    for (int r = 0; r < 3; ++r) {
        auto& list = Get<ui::ListView>(Numbered("ListView", 3 + r));
        auto& button = Get<ui::Button>(Numbered("Button", 2 + r));
        if (layout.ReferenceListLefts) list.SetLeft((*layout.ReferenceListLefts)[r]);
        if (layout.ReferenceButtonLefts) button.SetLeft((*layout.ReferenceButtonLefts)[r]);
        list.SetVisible(layout.ReferencesVisible);
        button.SetVisible(layout.ReferencesVisible);
    }
    for (const char* name : {"Label1", "Label2", "ListView6"})
        Get<ui::Control>(name).SetVisible(layout.BytesVisible);
    MemoDraw(scrollBar1_.Position());
}

void TForm1::EnableIdleControls(bool stopped) {
    // A reading that ends here (a save asked for while reading, the full record) leaves the
    // information line as Stop does; callers with news of their own write it afterwards.
    const bool endsReading = stopped && (!readingStopped_ || CapturePortOpen(CaptureRec));
    // The stopped state has no capture behind it: answering the unsaved question while
    // reading (closing the program) must not leave the thread running.
    if (stopped && CapturePortOpen(CaptureRec)) CloseCapturePort(CaptureRec);
    if (endsReading) edit1_.SetText("Reading stopped...");
    readingStopped_ = stopped;
    comboBox1_.SetEnabled(stopped);
    for (const char* name : {"N1", "N19", "N13", "N12", "N6"})
        Get<ui::MenuItem>(name).SetEnabled(stopped);
    button5_.SetEnabled(stopped);
    button6_.SetEnabled(stopped);
    button1_.SetCaption(stopped ? "Read" : "Stop");
    if (Forms.Form7) Forms.Form7->Button2().SetCaption(stopped ? "Read" : "Stop");
    if (Forms.Form3) Forms.Form3->EnableIdleControls(stopped);
}

void TForm1::ClearRecord() {
    EnableIdleControls(true);
    frameBits_.fill(0);
    ClearFrames(Record, ui::Now());
    FrameCount = 1;
    scrollBar1_.SetPosition(1);
    scrollBar1_.SetMax(1);
    MemoDraw(1);
    edit1_.SetText("No data");
    for (int l = 3; l <= 6; ++l) Get<ui::ListView>(Numbered("ListView", l)).Clear();
    RecordUnsaved = false;
    statusBar1_.SetPanelText(0, "");
    if (TForm6* car = Forms.Form6) {
        car->Memo1().Clear();
        car->Memo2().Clear();
    }
    if (TForm3* charts = VisibleCharts()) {
        charts->Close();
        charts->Show();
    }
}

bool TForm1::AskToSaveRecord() {
    if (!RecordUnsaved.load()) return true;
    switch (ui::ShowMessageBox(kUnsavedQuestion, kWarning, MB_YESNOCANCEL | MB_ICONEXCLAMATION)) {
        case IDYES:
            // The save that keeps the recording opens on its type, whatever was written last.
            OfferRecordFileType();
            SaveRecordAs();
            return !RecordUnsaved.load();
        case IDNO:
            return true;
        default:
            return false;
    }
}

void TForm1::ConfirmDiscardRecord() {
    // From the question to the clearing nothing else runs: a close request waits.
    ui::ModalStep step;
    if (AskToSaveRecord()) ClearRecord();
}

void TForm1::N2Click() {
    ui::ModalStep step;
    // The record shown stays until a file has been read: a cancelled dialog, a missing file
    // or a file of another kind leave it, unsaved if it was.
    if (AskToSaveRecord()) LoadRecordFile({});
}

void TForm1::Button5Click() {
    const FrameDeletion d = DeleteFrame(Record, scrollBar1_.Position(), scrollBar1_.Max());
    if (!d.Deleted) {
        ui::ShowMessage(std::string(kNothingToDeleteText));
        return;
    }
    scrollBar1_.SetMax(d.Maximum);
    // The next stored frame follows the remaining ones: during a reading the old last slot
    // would otherwise come back into the record, the deleted frame or a copy of another.
    FrameCount = d.Maximum + 1;
    MemoDraw(scrollBar1_.Position());
    // Before the charts: their zoom raises its error on a zoom text that is no number.
    RecordUnsaved = true;
    if (TForm3* charts = VisibleCharts()) charts->Charts().FrameDeleted(d.Maximum);
}

void TForm1::BookmarkMouseDown(ui::Button& button, ui::MouseButton mouse) {
    const auto which = mouse == ui::MouseButton::Left    ? MouseButton::Left
                       : mouse == ui::MouseButton::Right ? MouseButton::Right
                                                         : MouseButton::Middle;
    const BookmarkAction action = velmorant::BookmarkMouseDown(
        button.Caption(), which, scrollBar1_.Position(), scrollBar1_.Max());
    if (action.What == BookmarkAction::Kind::SetCaption) button.SetCaption(action.Caption);
    if (action.What == BookmarkAction::Kind::GoToFrame) {
        scrollBar1_.SetPosition(action.Frame);
        if (TForm3* charts = VisibleCharts())
            charts->Get<ui::TrackBar>("TrackBar1")
                .SetPosition(scrollBar1_.Position() - charts->Charts().Start());
    }
}

void TForm1::ReferenceMouseDown(ui::ListView& list, ui::MouseButton mouse) {
    if (mouse == ui::MouseButton::Right) list.Clear();
    if (mouse != ui::MouseButton::Left) return;
    list.Clear();
    for (int i = 0; i < listView2_.ItemCount(); ++i) list.AddItem(listView2_.ItemCaption(i));
}

void TForm1::Button6Click() {
    if (timer4_.Enabled()) {
        edit1_.SetText("Playback is stopped");
        timer4_.SetEnabled(false);
        SetPlaybackCaption(">");
    } else if (scrollBar1_.Position() == scrollBar1_.Max()) {
        edit1_.SetText("Playback is finished");
    } else {
        edit1_.SetText("Playback of data");
        SetPlaybackCaption("||");
        timer4_.SetEnabled(true);
    }
}

void TForm1::Timer4Timer() {
    if (scrollBar1_.Position() == scrollBar1_.Max()) {
        edit1_.SetText("Playback is finished");
        SetPlaybackCaption(">");
        timer4_.SetEnabled(false);
        return;
    }
    // With the charts shown the marker moves, then the window; their handlers move the
    // current frame.
    if (TForm3* charts = VisibleCharts())
        charts->Charts().PlaybackStep();
    else
        scrollBar1_.SetPosition(scrollBar1_.Position() + 1);
}

void TForm1::ScrollBar1Change() {
    if (!readingStopped_) return;
    MemoDraw(scrollBar1_.Position());
    MirrorFramePosition();
    if (TForm3* charts = VisibleCharts()) charts->Charts().FollowCurrentFrame();
}

bool TForm1::LoadRecordFile(const std::filesystem::path& given) {
    ui::ModalStep step;
    EnableIdleControls(true);
    std::filesystem::path path = given;
    if (path.empty()) {
        auto& open = Get<ui::OpenDialog>("OpenDialog1");
        open.SetFileName({});
        path = open.Execute().value_or(std::filesystem::path());
    }
    std::error_code error;
    if (path.empty() || !std::filesystem::is_regular_file(path, error)) return false;

    const RecordFileResult read = ReadRecordFile(path, UserLocale.Time);
    if (read.Status == ReadStatus::UnknownFormat) {
        edit1_.SetText(read.ErrorText);
    } else {
        if (read.Status == ReadStatus::TooLong) {
            ui::ShowMessage(read.ErrorText);
            return false;
        }
        if (read.Status != ReadStatus::Ok) throw std::runtime_error(read.ErrorText);
        // Only a file that is read replaces the record: a cancelled dialog or a refused file
        // leaves the frames shown, and saved again, as they were.
        for (int k = 1; k <= kMaxFrames; ++k) Record[k].DataBytes.fill(0);
        ShowRecordFile(read.Content, path);
    }
    ShowRecordExtras();
    return read.Status == ReadStatus::Ok;
}

void TForm1::ShowRecordFile(const RecordFileContent& content, const std::filesystem::path& path) {
    const int n = static_cast<int>(content.Frames.size());
    CommitFrames(content, Record);
    for (int r = 0; r < 3; ++r) {
        auto& list = Get<ui::ListView>(Numbered("ListView", 3 + r));
        list.Clear();
        for (const std::string& value : content.Sections.References[r]) list.AddItem(value);
    }
    if (content.Sections.Bookmarks)
        for (int b = 0; b < kBookmarkCount; ++b)
            Get<ui::Button>(Numbered("BitBtn", b + 1)).SetCaption((*content.Sections.Bookmarks)[b]);
    TForm6* car = Forms.Form6;
    if (car) {
        const RecordFileSections& read = content.Sections;
        car->SetCar(read.Car.value_or(CarDescription{}));
        car->Memo1().SetLines(read.AdditionalDescription.value_or(std::vector<std::string>{}));
        car->Memo2().SetLines(read.ReasonsForDiagnostics.value_or(std::vector<std::string>{}));
    }

    RecordUnsaved = false;
    statusBar1_.SetPanelText(0, FileNameText(path));
    MemoDraw(n);
    scrollBar1_.SetMax(n);
    if (scrollBar1_.Position() == n / 2 || n / 2 < 1)
        ScrollBar1Change();
    else
        scrollBar1_.SetPosition(n / 2);
    FrameCount = n + 1;
    edit1_.SetText("Data from: " + FileNameText(path));
    // Save As offers the open dialog's name: the file's, however it was opened.
    Get<ui::OpenDialog>("OpenDialog1").SetFileName(path);
}

void TForm1::ShowRecordExtras() {
    // The reference columns first: a window shown next that has no place of its own goes
    // beside the main window as wide as they make it, not under it.
    for (int r = 0; r < 3; ++r) {
        const auto& list = Get<ui::ListView>(Numbered("ListView", 3 + r));
        if (list.ItemCount() == 0) continue;
        if (!list.ItemCaption(0).empty()) {
            n13_.SetChecked(true);
            ui::ProcessMessages();
            ArrangeMainWindow();
        }
        break;
    }
    // The charts take the new record by being shown again.
    if (TForm3* charts = VisibleCharts()) {
        charts->Close();
        charts->Show();
        RefreshChartSelectors();
    }
    TForm6* car = Forms.Form6;
    if (car && car->Memo1().LineCount() > 0) {
        car->Show();
        car->Get<ui::Button>("Button1").SetFocus();
    }
}

void TForm1::SaveRecordAs() {
    TForm6* car = Forms.Form6;
    if (!car || car->Memo2().LineCount() == 0) {
        if (car) car->Show();
        ui::ShowMessage("Fill a car description and comments");
        return;
    }
    EnableIdleControls(true);
    // From here to the written file no close request, timer tick or frame changes the
    // record under the dialog: what is written is the record the name was chosen for.
    ui::ModalStep step;
    // A frame store still pending is the start-up frame (a reading's frames are stored as
    // they come, and those queued after its end are dropped): stored now, since its timer
    // waits for the step's end.
    if (timer1_.Enabled()) StoreStartupFrame();

    auto& open = Get<ui::OpenDialog>("OpenDialog1");
    auto& save = Get<ui::SaveDialog>("SaveDialog1");
    // A record without a file of its own (new, read from the car, or at start) is offered
    // no earlier file's name, which Enter would replace, only that file's folder.
    save.SetFileName(statusBar1_.PanelText(0).empty() ? std::filesystem::path()
                                                      : OfferedSaveName(open.FileName()));
    save.SetInitialDir(open.FileName().parent_path());
    std::optional<SaveTarget> target;
    while (!target) {
        const auto chosen = save.Execute();
        if (!chosen || chosen->empty()) return;
        target = ChooseSaveTarget(*chosen, save.FilterIndex());
        // An existing file is replaced only after Yes to the one question; No goes back to
        // the dialog, on the name typed.
        std::error_code error;
        if (std::filesystem::exists(target->Path, error) && !ConfirmReplace(target->Path))
            target.reset();
    }

    RecordFileSections sections;
    sections.Car = car->Car();
    sections.AdditionalDescription = car->Memo1().Lines();
    sections.ReasonsForDiagnostics = car->Memo2().Lines();
    for (int r = 0; r < 3; ++r) {
        const auto& list = Get<ui::ListView>(Numbered("ListView", 3 + r));
        sections.References[r].clear();
        for (int i = 0; i < list.ItemCount(); ++i)
            sections.References[r].push_back(list.ItemCaption(i));
    }
    std::array<std::string, kBookmarkCount> bookmarks;
    for (int b = 0; b < kBookmarkCount; ++b)
        bookmarks[b] = Get<ui::Button>(Numbered("BitBtn", b + 1)).Caption();
    sections.Bookmarks = bookmarks;

    const bool exportText = target->Format == SaveFormat::TextExport;
    const std::filesystem::path& path = target->Path;
    save.SetDefaultExt(exportText ? "csv" : "vmr");
    const auto frames = FramesOf(Record, scrollBar1_.Max());
    const WriteOutcome out = exportText ? WriteTextExport(path, frames, sections, UserLocale.Time)
                                        : WriteRecordFile(path, frames, sections, UserLocale.Time);
    if (out.Status == WriteStatus::CreateFailed) {
        ui::ShowMessage(std::string(kFileWriteError));
        return;
    }
    if (!out.Ok()) throw std::runtime_error(out.ErrorText);
    edit1_.SetText("Data to: " + FileNameText(path));
    // An export cannot be read back and holds no description, bookmarks or reasons: only a
    // recorded data file saves the record.
    if (!exportText) RecordUnsaved = false;
    statusBar1_.SetPanelText(0, FileNameText(path));
    open.SetFileName(path);
    // The dialog opens next time on the type of the name it offers.
    save.SetFilterIndex(FilterOf(target->Format));
}

void TForm1::OfferRecordFileType() {
    auto& save = Get<ui::SaveDialog>("SaveDialog1");
    save.SetFilterIndex(kRecordFileFilter);
    save.SetDefaultExt("vmr");
}

bool TForm1::ConfirmReplace(const std::filesystem::path& path) {
    // The one question before a file is replaced, worded as the save dialog's own (which is
    // not asked: its default is Yes). No is the default, so Enter replaces nothing.
    const std::string text = FileNameText(path) + " already exists.\nDo you want to replace it?";
    return ui::ShowMessageBox(text, "Confirm Save As", MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) ==
           IDYES;
}

}  // namespace velmorant
