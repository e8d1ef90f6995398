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

using namespace velmorant;
using namespace velmorant::test;

namespace {

class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetSerialApi(&line);
        RecordUnsaved = false;
        form = std::make_unique<TForm1>();
        form->Create();
        car = std::make_unique<TForm6>();
        car->Create();
        Forms.Form6 = car.get();
        form->Show();
        form->Timer1Timer();  // the blank frame 1 of start-up
    }
    void TearDown() override {
        if (!form->ReadingStopped()) CloseCapturePort(CaptureRec);
        RecordUnsaved = false;
        Forms.Form6 = nullptr;
        car.reset();
        form.reset();
        SetSerialApi(nullptr);
    }
    template <class T>
    T& Get(const char* name) {
        return form->Get<T>(name);
    }
    std::string Value(int row) { return Get<ui::ListView>("ListView2").ItemCaption(row); }
    std::string Status() { return Get<ui::Edit>("Edit1").Text(); }
    ui::ScrollBar& Position() { return Get<ui::ScrollBar>("ScrollBar1"); }

    template <class Done>
    void Pump(Done done, DWORD ms = 5000) {
        const DWORD start = GetTickCount();
        while (!done() && GetTickCount() - start < ms) {
            ui::ProcessMessages();
            Sleep(1);
        }
    }
    // A file of `n` frames whose engine-speed byte is the frame number.
    std::filesystem::path WriteRecording(int n) {
        auto path = std::filesystem::temp_directory_path() / "velmorant_main_form.vmr";
        WriteTestRecording(path, n);
        return path;
    }

    ScriptedLine line;
    ui::ScriptedDialogs dialogs;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TForm6> car;
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
}

TEST_F(MainFormTest, ReadingShowsEachFrameThenStops) {
    std::vector<EcuFrame> frames(3);
    for (int k = 0; k < 3; ++k) frames[k].bytes[3] = static_cast<std::uint8_t>(40 + k);
    line.events = SynthesizeStream(frames, {});
    Get<ui::Button>("Button1").Click();
    EXPECT_EQ(Status(), "Reading...");
    EXPECT_EQ(Get<ui::Button>("Button1").Caption(), "Stop");
    EXPECT_FALSE(Get<ui::Button>("Button5").Enabled());
    Pump([&] { return Position().Max() == 3; });
    ASSERT_EQ(Position().Max(), 3);
    EXPECT_EQ(Value(4), "1050 rpm");  // 42 * 25
    EXPECT_EQ(Value(26), "3 / 3");
    EXPECT_EQ(FrameCount.load(), 4);
    Get<ui::Button>("Button1").Click();
    EXPECT_EQ(Status(), "Reading stopped...");
    EXPECT_TRUE(form->ReadingStopped());
    EXPECT_EQ(Get<ui::Button>("Button1").Caption(), "Read");
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
    dialogs.fileAnswers = {ui::FileDialogAnswer{target, 1}};
    form->SaveRecordAs();
    const auto saved = std::filesystem::temp_directory_path() / "velmorant_saved.vmr";
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
    Pump([] { return false; }, 300);
    EXPECT_EQ(FrameCount.load(), 1);
    EXPECT_EQ(Position().Max(), 1);
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
    EXPECT_EQ(s.FormPos[1].X, form->Left());
    EXPECT_EQ(s.FormPos[1].Y, form->Top());
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
