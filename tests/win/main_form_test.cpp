#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "monitor/core/frame_store.h"
#include "monitor/core/ini_file.h"
#include "monitor/core/settings_file.h"
#include "monitor/win/main_form.h"
#include "monitor/win/about_form.h"
#include "monitor/win/help_form.h"
#include "monitor/win/program_forms.h"
#include "monitor/win/program_state.h"
#include "tests/support/ecu_stream.h"
#include "tests/win/recording_support.h"
#include "tests/win/scripted_line.h"
#include "ui/application.h"
#include "ui/program_environment.h"
#include "ui/error_box.h"
#include "ui/scripted_dialogs.h"
#include "ui/image.h"
#include "ui/timer.h"
#include "tests/win/pump.h"
#include "tests/win/main_window_fixture.h"
#include "tests/win/work_area.h"

using namespace velmorant;
using namespace velmorant::test;

namespace {

class MainFormTest : public MainWindowFixture {
protected:
    std::string Value(int row) { return Get<ui::ListView>("ListView2").ItemCaption(row); }
    ui::ScrollBar& Position() { return Get<ui::ScrollBar>("ScrollBar1"); }
    // The lamp's colour, read where the lamp bitmaps differ.
    ui::Colour Lamp() { return Get<ui::Image>("Image1").Picture().Pixel(10, 12); }
    // Puts `count` frames whose engine-speed byte counts from 40 on the line; `headers` gets
    // the index of each frame's first change.
    void PlayFrames(int count) {
        std::vector<EcuFrame> frames(static_cast<std::size_t>(count));
        for (int k = 0; k < count; ++k) frames[k].bytes[3] = static_cast<std::uint8_t>(40 + k);
        line.events = SynthesizeStream(frames, {}, &headers);
    }
    // Starts a reading of such frames.
    void Read(int count) {
        PlayFrames(count);
        Get<ui::Button>("Button1").Click();
    }
    std::vector<std::size_t> headers;

    // A file of `n` frames whose engine-speed byte is the frame number.
    std::filesystem::path WriteRecording(int n) {
        auto path = std::filesystem::temp_directory_path() / "velmorant_main_form.vmr";
        WriteTestRecording(path, n);
        return path;
    }

};

}  // namespace

TEST_F(MainFormTest, StartUpListsPortsAndShowsTheBlankFrame) {
    auto& box = Get<ui::ComboBox>("ComboBox1");
    ASSERT_EQ(box.ItemCount(), 1);  // the scripted line has COM7 only
    EXPECT_EQ(box.Text(), "COM7");
    EXPECT_EQ(FrameCount.load(), 2);
    EXPECT_EQ(Position().Max(), 1);
    EXPECT_EQ(Value(1), "0.000 msec");
    EXPECT_EQ(Value(26), "1 / 1");
    EXPECT_EQ(Get<ui::ListView>("ListView1").ItemCount(), 28);
    EXPECT_EQ(Lamp(), ui::kGrey);
    // Nothing of the window hides behind the status bar.
    const auto& status = Get<ui::StatusBar>("StatusBar1");
    for (const char* name : {"BitBtn6", "BitBtn10", "Edit1", "ScrollBar1"})
        EXPECT_LE(Get<ui::Control>(name).Bounds().bottom, status.Top()) << name;
}

TEST_F(MainFormTest, ReadingShowsEachFrameThenStops) {
    EXPECT_EQ(Lamp(), ui::kGrey);
    Read(3);
    EXPECT_EQ(Status(), "Reading...");
    EXPECT_EQ(Get<ui::Button>("Button1").Caption(), "Stop");
    EXPECT_FALSE(Get<ui::Button>("Button5").Enabled());
    PumpUntil([&] { return Position().Max() == 3; });
    ASSERT_EQ(Position().Max(), 3);
    EXPECT_EQ(Value(4), "1050 rpm");  // 42 * 25
    EXPECT_EQ(Value(26), "3 / 3");
    EXPECT_EQ(FrameCount.load(), 4);
    EXPECT_EQ(Lamp(), ui::kLime);
    Get<ui::Button>("Button1").Click();
    EXPECT_EQ(Status(), "Reading stopped...");
    EXPECT_TRUE(form->ReadingStopped());
    EXPECT_FALSE(CapturePortOpen(CaptureRec));
    EXPECT_EQ(Get<ui::Button>("Button1").Caption(), "Read");
    // The lamp goes out 600 ms after the stop, not at once.
    PumpFor(400);
    EXPECT_EQ(Lamp(), ui::kLime);
    PumpUntil([&] { return Lamp() == ui::kGrey; }, 1000);
    EXPECT_EQ(Lamp(), ui::kGrey);
}

// A pulled adapter: the port fails every call after three frames. The reading ends as Stop
// ends it, the frames stay, and one box names the port.
TEST_F(MainFormTest, APortThatKeepsFailingEndsTheReading) {
    line.failWaits = true;
    Read(3);
    EXPECT_EQ(Status(), "Reading...");
    PumpUntil([&] { return !dialogs.boxes.empty(); }, 5000);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "Error reading COM7");
    EXPECT_EQ(dialogs.boxes[0].caption, "Velmorant");
    EXPECT_EQ(dialogs.boxes[0].flags, static_cast<UINT>(MB_OK));
    EXPECT_EQ(Position().Max(), 3);
    EXPECT_EQ(Value(4), "1050 rpm");
    EXPECT_EQ(Status(), "Reading stopped...");
    EXPECT_TRUE(form->ReadingStopped());
    EXPECT_FALSE(CapturePortOpen(CaptureRec));
    EXPECT_EQ(line.openHandles.load(), 0);
    EXPECT_EQ(Get<ui::Button>("Button1").Caption(), "Read");
    EXPECT_TRUE(Get<ui::Button>("Button5").Enabled());
    EXPECT_TRUE(Get<ui::ComboBox>("ComboBox1").Enabled());
    PumpUntil([&] { return Lamp() == ui::kGrey; }, 1000);
    EXPECT_EQ(Lamp(), ui::kGrey);
    PumpFor(200);
    EXPECT_EQ(dialogs.boxes.size(), 1u);

    // A report that comes after the reading has ended is old news.
    PostMessageW(form->Handle(), WM_CAPTUREFAILED, GetThreadId(CaptureRec.Thread), 0);
    PumpFor(50);
    EXPECT_EQ(dialogs.boxes.size(), 1u);
}

// Failed waits on a line that works again keep the reading going.
TEST_F(MainFormTest, FailedWaitsOnAWorkingLineKeepTheReading) {
    for (DWORD failForMs : {0u, 300u}) {
        PlayFrames(3);
        line.failAt = headers[1] + 20;  // inside the second frame
        line.failForMs = failForMs;
        Get<ui::Button>("Button1").Click();
        PumpUntil([&] { return Position().Max() == 3; });
        EXPECT_EQ(Position().Max(), 3) << failForMs;
        EXPECT_GE(line.failedWaits.load(), 1) << failForMs;
        PumpFor(1300);
        EXPECT_TRUE(dialogs.boxes.empty()) << failForMs;
        EXPECT_EQ(Status(), "Reading...") << failForMs;
        EXPECT_EQ(Get<ui::Button>("Button1").Caption(), "Stop") << failForMs;
        EXPECT_TRUE(CapturePortOpen(CaptureRec)) << failForMs;
        Get<ui::Button>("Button1").Click();
        RecordUnsaved = false;
    }
}

// Frame 2000 ends the reading and offers the record for saving; a frame still queued after
// it is dropped.
TEST_F(MainFormTest, FrameTwoThousandStopsTheReadingAndOffersSaveAs) {
    Read(3);
    car->Memo2().SetLines({"Проверка"});
    FrameCount = 1999;
    PumpUntil([&] { return !dialogs.fileRequests.empty(); });
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    PumpFor(200);
    EXPECT_EQ(Position().Max(), 2000);
    EXPECT_EQ(Value(4), "1025 rpm");  // 41 * 25: the second frame, stored as 2000
    EXPECT_EQ(FrameCount.load(), 2001);
    EXPECT_TRUE(form->ReadingStopped());
    EXPECT_FALSE(CapturePortOpen(CaptureRec));
    EXPECT_EQ(Get<ui::Button>("Button1").Caption(), "Read");
    EXPECT_TRUE(Get<ui::Button>("Button5").Enabled());
}

// Playback steps a frame at a time to the last one and stops there; at the last frame the
// button only says so, and a reading started meanwhile ends it at its next step.
TEST_F(MainFormTest, PlaybackRunsToTheLastFrame) {
    ASSERT_TRUE(form->LoadRecordFile(WriteRecording(4)));
    auto& play = Get<ui::Button>("Button6");
    auto& timer = Get<ui::Timer>("Timer4");
    play.Click();
    EXPECT_EQ(Status(), "Playback of data");
    EXPECT_EQ(play.Caption(), "||");
    EXPECT_TRUE(timer.Enabled());
    form->Timer4Timer();
    form->Timer4Timer();
    EXPECT_EQ(Position().Position(), 4);
    EXPECT_EQ(Value(4), "100 rpm");
    form->Timer4Timer();
    EXPECT_EQ(Status(), "Playback is finished");
    EXPECT_EQ(play.Caption(), ">");
    EXPECT_FALSE(timer.Enabled());
    play.Click();
    EXPECT_EQ(Status(), "Playback is finished");
    EXPECT_FALSE(timer.Enabled());

    Position().SetPosition(1);
    play.Click();
    play.Click();
    EXPECT_EQ(Status(), "Playback is stopped");
    EXPECT_FALSE(timer.Enabled());
    play.Click();
    Read(0);
    form->Timer4Timer();
    EXPECT_EQ(Status(), "Playback is finished");
    EXPECT_FALSE(timer.Enabled());
}

TEST_F(MainFormTest, PortNumberCases) {
    struct Case { const char* box; const char* message; };
    const Case cases[] = {
        {"COM", "'' is not a valid integer value."},
        {"", "'' is not a valid integer value."},
        {"COMx", "'x' is not a valid integer value."},
        {"COM12", "Error opening COM12"},
        {"xCOM8", "Error opening COM8"},
    };
    for (const Case& c : cases) {
        dialogs.boxes.clear();
        Get<ui::ComboBox>("ComboBox1").SetText(c.box);
        // As a click through the window's dispatch point: the error ends in the error box.
        ui::Guarded([&] { Get<ui::Button>("Button1").Click(); });
        ASSERT_EQ(dialogs.boxes.size(), 1u) << c.box;
        EXPECT_EQ(dialogs.boxes[0].text, c.message) << c.box;
        EXPECT_TRUE(form->ReadingStopped()) << c.box;
    }
}

TEST_F(MainFormTest, LoadDeleteAndBookmarks) {
    ASSERT_TRUE(form->LoadRecordFile(WriteRecording(40)));
    EXPECT_EQ(Status(), "Data from: velmorant_main_form.vmr");
    EXPECT_EQ(Get<ui::StatusBar>("StatusBar1").PanelText(0), "velmorant_main_form.vmr");
    EXPECT_EQ(Position().Max(), 40);
    EXPECT_EQ(Position().Position(), 20);
    EXPECT_EQ(Value(4), "500 rpm");

    // A bookmark set on frame 40 of a record later cut to 30 goes to 30.
    auto& bookmark = Get<ui::Button>("BitBtn3");
    Position().SetPosition(40);
    bookmark.OnMouseDown(ui::MouseButton::Left, 1, 1);
    EXPECT_EQ(bookmark.Caption(), "40");
    for (int k = 0; k < 10; ++k) Get<ui::Button>("Button5").Click();
    EXPECT_EQ(Position().Max(), 30);
    EXPECT_TRUE(RecordUnsaved.load());
    Position().SetPosition(1);
    bookmark.OnMouseDown(ui::MouseButton::Left, 1, 1);
    EXPECT_EQ(Position().Position(), 30);
    bookmark.OnMouseDown(ui::MouseButton::Right, 1, 1);
    EXPECT_EQ(bookmark.Caption(), "0");

    // Deleting the middle frame moves the later ones down.
    Position().SetPosition(2);
    Get<ui::Button>("Button5").Click();
    EXPECT_EQ(Record[2].DataBytes[3], 3);
    EXPECT_EQ(Value(4), "75 rpm");
}

TEST_F(MainFormTest, NewOnAnUnsavedRecord) {
    ASSERT_TRUE(form->LoadRecordFile(WriteRecording(5)));
    RecordUnsaved = true;
    auto& item = Get<ui::MenuItem>("N14");
    dialogs.answers = {IDCANCEL};
    item.Click();
    EXPECT_EQ(Position().Max(), 5);
    EXPECT_EQ(dialogs.boxes.back().text, "Data not saved. Save to file?");
    EXPECT_EQ(dialogs.boxes.back().caption, "Warning!");
    dialogs.answers = {IDYES};  // then the save dialog is cancelled
    item.Click();
    EXPECT_EQ(Position().Max(), 5);
    EXPECT_TRUE(RecordUnsaved.load());
    dialogs.answers = {IDNO};
    item.Click();
    EXPECT_EQ(Position().Max(), 1);
    EXPECT_FALSE(RecordUnsaved.load());
    EXPECT_EQ(Status(), "No data");
}

TEST_F(MainFormTest, SaveAndReloadThroughTheDialogs) {
    const auto source = WriteRecording(7);
    ASSERT_TRUE(form->LoadRecordFile(source));
    const auto target = std::filesystem::temp_directory_path() / "velmorant_saved.txt";
    const auto saved = std::filesystem::temp_directory_path() / "velmorant_saved.vmr";
    std::filesystem::remove(saved);  // no question about replacing an earlier run's file
    dialogs.fileAnswers = {ui::FileDialogAnswer{target, 1}};
    form->SaveRecordAs();
    ASSERT_TRUE(std::filesystem::exists(saved));
    EXPECT_EQ(Status(), "Data to: velmorant_saved.vmr");
    auto bytes = [](const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    EXPECT_EQ(bytes(saved), bytes(source));  // car, comments, references and bookmarks kept
    EXPECT_EQ(car->Car()[0], "Моя машина");
    EXPECT_TRUE(IsWindowVisible(car->Handle()));  // shown for its additional description
    ASSERT_TRUE(form->LoadRecordFile(saved));
    EXPECT_EQ(Position().Max(), 7);
}

TEST_F(MainFormTest, ForgedEdgeListIsIgnoredAndBadFrameStoresNothing) {
    int local = 0;
    SendMessageW(form->Handle(), WM_EDGELIST, reinterpret_cast<WPARAM>(&local), 9);
    EXPECT_EQ(FrameCount.load(), 2);
    // A frame the line garbles (a stop bit of character 1 low) reaches the decoder as bad.
    line.events = SynthesizeStream({EcuFrame{}}, {});
    line.events.erase(line.events.begin() + 5, line.events.begin() + 7);
    Get<ui::Button>("Button1").Click();
    PumpFor(300);
    EXPECT_EQ(FrameCount.load(), 1);
    EXPECT_EQ(Position().Max(), 1);
    EXPECT_EQ(Lamp(), ui::kRed);
}

// A reference button copies the current values into its column (left), empties it (right)
// or does nothing (middle); a file that brings references shows the three columns.
TEST_F(MainFormTest, ReferenceColumnsAndTheirFile) {
    ASSERT_TRUE(form->LoadRecordFile(WriteRecording(6)));
    auto& list = Get<ui::ListView>("ListView4");
    auto& button = Get<ui::Button>("Button3");
    button.OnMouseDown(ui::MouseButton::Left, 1, 1);
    ASSERT_EQ(list.ItemCount(), 28);
    EXPECT_EQ(list.ItemCaption(4), Value(4));
    button.OnMouseDown(ui::MouseButton::Middle, 1, 1);
    EXPECT_EQ(list.ItemCount(), 28);
    button.OnMouseDown(ui::MouseButton::Right, 1, 1);
    EXPECT_EQ(list.ItemCount(), 0);
    button.OnMouseDown(ui::MouseButton::Left, 1, 1);
    const std::string copied = list.ItemCaption(4);

    const auto saved = std::filesystem::temp_directory_path() / "velmorant_references.vmr";
    std::filesystem::remove(saved);  // no question about replacing an earlier run's file
    dialogs.fileAnswers = {ui::FileDialogAnswer{saved, 1}};
    form->SaveRecordAs();
    ASSERT_FALSE(Get<ui::MenuItem>("N13").Checked());
    ASSERT_TRUE(form->LoadRecordFile(saved));
    EXPECT_EQ(Get<ui::ListView>("ListView3").ItemCount(), 25);
    EXPECT_EQ(Get<ui::ListView>("ListView3").ItemCaption(0), "");
    EXPECT_EQ(list.ItemCount(), 25);
    EXPECT_EQ(list.ItemCaption(4), copied);
    // Row 0 of the first column decides: it is empty here, so the columns stay hidden.
    EXPECT_FALSE(Get<ui::MenuItem>("N13").Checked());

    Get<ui::Button>("Button2").OnMouseDown(ui::MouseButton::Left, 1, 1);
    dialogs.fileAnswers = {ui::FileDialogAnswer{saved, 1}};
    dialogs.answers = {IDYES};  // the file of the save before, replaced
    form->SaveRecordAs();
    ASSERT_TRUE(form->LoadRecordFile(saved));
    EXPECT_TRUE(Get<ui::MenuItem>("N13").Checked());
    EXPECT_TRUE(Get<ui::ListView>("ListView3").Visible());
    EXPECT_EQ(form->Width(), 627);
}

// Widening for "Three References" or "Bytes Protocol" keeps the main window wholly on its
// work area: at the right edge it moves left as far as the new columns need, with room it
// stays; narrowing again leaves it where it is.
TEST_F(MainFormTest, WideningKeepsTheWindowOnItsWorkArea) {
    const RECT work = PrimaryWorkArea();
    const int narrow = form->Width();
    const int atRightEdge = work.right - narrow;  // 944 on a screen 1280 wide
    struct Case {
        const char* what;
        int left;
        std::vector<const char*> items;
        int width;
        int expectedLeft;
    };
    const Case cases[] = {
        {"at the right edge, three references", atRightEdge, {"N13"}, 627, work.right - 627},
        {"at the right edge, bytes protocol", atRightEdge, {"N12"}, 435, work.right - 435},
        {"at the right edge, both", atRightEdge, {"N13", "N12"}, 729, work.right - 729},
        {"with room", work.left + 100, {"N13", "N12"}, 729, work.left + 100},
        {"at the left edge", work.left, {"N13"}, 627, work.left},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        form->SetLeft(c.left);
        form->SetTop(work.top + 40);
        for (const char* item : c.items) Get<ui::MenuItem>(item).Click();
        EXPECT_EQ(form->Width(), c.width);
        EXPECT_EQ(form->Left(), c.expectedLeft);
        EXPECT_EQ(form->Top(), work.top + 40);
        EXPECT_TRUE(WhollyOn(work, WindowRectOf(form->Handle())));
        for (const char* item : c.items) Get<ui::MenuItem>(item).Click();
        EXPECT_EQ(form->Width(), narrow);
        EXPECT_EQ(form->Left(), c.expectedLeft);
    }
}

// An open that reads nothing (a file of another kind, a cancelled dialog, a file that is
// gone) leaves the record and its frames as they were, so that saving again writes them; the
// step after a read still shows the car window for the description the record had.
TEST_F(MainFormTest, AnOpenThatReadsNothingKeepsTheRecord) {
    const auto other = std::filesystem::temp_directory_path() / "velmorant_other.vmr";
    std::ofstream(other) << "Some other file\n";
    struct Case {
        const char* how;
        std::filesystem::path path;
        const char* status;
    };
    const Case cases[] = {{"another kind", other, "Unknown file format"},
                          {"dialog cancelled", {}, "Data from: velmorant_main_form.vmr"},
                          {"gone", other.parent_path() / "velmorant_gone.vmr",
                           "Data from: velmorant_main_form.vmr"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        ASSERT_TRUE(form->LoadRecordFile(WriteRecording(6)));
        Position().SetPosition(4);
        const std::string shown = Value(4);
        car->Hide();
        EXPECT_FALSE(form->LoadRecordFile(c.path));
        EXPECT_EQ(Status(), c.status);
        EXPECT_EQ(Position().Max(), 6);
        for (int k = 1; k <= 6; ++k) EXPECT_EQ(Record[k].DataBytes[3], k) << k;
        Position().SetPosition(3);
        Position().SetPosition(4);
        EXPECT_EQ(Value(4), shown);
        EXPECT_EQ(Get<ui::StatusBar>("StatusBar1").PanelText(0), "velmorant_main_form.vmr");
        if (c.path == other) {
            EXPECT_TRUE(IsWindowVisible(car->Handle()));
        }
    }
}

// Closing for real: Cancel, and Yes with a save that cannot happen, keep the window; No
// closes it. During a reading the capture ends with the answer that stops it.
TEST_F(MainFormTest, ClosingAnUnsavedRecord) {
    struct Case { int answer; bool closes; const char* message; };
    const Case cases[] = {{IDCANCEL, false, nullptr},
                          {IDYES, false, "Fill a car description and comments"},
                          {IDNO, true, nullptr}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        form->Show();
        RecordUnsaved = false;
        Read(2);
        PumpUntil([&] { return Position().Max() == 2; });
        ASSERT_EQ(Position().Max(), 2);
        ASSERT_TRUE(CapturePortOpen(CaptureRec));
        RecordUnsaved = true;  // as the thread marks it at the next frame
        dialogs.boxes.clear();
        dialogs.answers = {c.answer};
        form->Close();
        ASSERT_GE(dialogs.boxes.size(), 1u);
        EXPECT_EQ(dialogs.boxes[0].text, "Data not saved. Save to file?");
        if (c.message) {
            EXPECT_EQ(dialogs.boxes.back().text, c.message);
        }
        EXPECT_EQ(IsWindowVisible(form->Handle()) == 0, c.closes);
        EXPECT_EQ(CapturePortOpen(CaptureRec), !c.closes);
        EXPECT_EQ(form->ReadingStopped(), c.closes);
        if (CapturePortOpen(CaptureRec)) Get<ui::Button>("Button1").Click();
    }
    EXPECT_EQ(Status(), "Exiting...");
    EXPECT_EQ(line.openHandles.load(), 0);
}

TEST_F(MainFormTest, CloseQueryOnAnUnsavedRecord) {
    struct Case { int answer; bool closes; };
    // Yes leads to Save As, which cannot save without reasons for diagnostics.
    const Case cases[] = {{IDCANCEL, false}, {IDYES, false}, {IDNO, true}};
    for (const Case& c : cases) {
        RecordUnsaved = true;
        dialogs.answers = {c.answer};
        bool canClose = true;
        form->FormCloseQuery(canClose);
        EXPECT_EQ(canClose, c.closes) << c.answer;
    }
}

TEST_F(MainFormTest, ClosingWritesTheSettingsBesideTheProgram) {
    const auto ini = SettingsPathOf(ui::ExecutablePath());
    std::filesystem::remove(ini);
    form->FormClose();
    EXPECT_EQ(Status(), "Exiting...");
    const Settings s = ReadSettings(ini);
    EXPECT_EQ(s.FormPos[1], (WindowPosition{form->Left(), form->Top()}));
    const auto text = IniFile::Load(ini).Text();
    EXPECT_NE(text.find("Version=8000"), std::string::npos);
    EXPECT_NE(text.find("[ActiveForms]"), std::string::npos);
}

TEST_F(MainFormTest, HelpMenuShowsTheAboutAndHelpWindows) {
    TForm4 help;
    help.Create();
    TForm5 about;
    about.Create();
    Forms.Form4 = &help;
    Forms.Form5 = &about;
    Get<ui::MenuItem>("N26").Click();
    EXPECT_TRUE(IsWindowVisible(about.Handle()));
    Get<ui::MenuItem>("N9").Click();
    EXPECT_TRUE(IsWindowVisible(help.Handle()));
    EXPECT_TRUE(form->ReadingStopped());
    Forms.Form4 = nullptr;
    Forms.Form5 = nullptr;
}

// Esc closes the program only once the start-up step has run.
TEST_F(MainFormTest, EscClosesOnlyAfterStartUp) {
    char key = 27;
    form->FormKeyPress(key);
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    form->Timer6Timer();
    key = 27;
    form->FormKeyPress(key);
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
}

// With "Only one copy" on, a copy that finds another running says so and closes; with it
// off, it goes on like the first.
TEST_F(MainFormTest, SecondCopy) {
    HANDLE first = CreateMutexA(nullptr, FALSE, "Velmorant");
    ASSERT_NE(first, nullptr);
    for (bool onlyOne : {false, true}) {
        SCOPED_TRACE(onlyOne);
        ProgramSettings.ManyInstances = onlyOne;
        form->Show();
        dialogs.boxes.clear();
        form->Timer6Timer();
        EXPECT_EQ(form->StartupDone(), !onlyOne);
        EXPECT_EQ(IsWindowVisible(form->Handle()) != 0, !onlyOne);
        if (onlyOne) {
            ASSERT_EQ(dialogs.boxes.size(), 1u);
            EXPECT_EQ(dialogs.boxes[0].text,
                      "Are you authorized to open only to one copy of the program. Program "
                      "already has been started!");
            EXPECT_EQ(dialogs.boxes[0].caption, "Warning!");
            EXPECT_EQ(dialogs.boxes[0].flags, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
        } else {
            EXPECT_TRUE(dialogs.boxes.empty());
            form->FormClose();  // gives back its own hold of the mutex
            form = std::make_unique<TForm1>();
            form->Create();
        }
    }
    ProgramSettings.ManyInstances = false;
    CloseHandle(first);
}
