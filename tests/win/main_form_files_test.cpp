#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "monitor/core/record_file_reader.h"
#include "monitor/win/main_form.h"
#include "monitor/win/program_forms.h"
#include "monitor/win/program_state.h"
#include "tests/support/ecu_stream.h"
#include "tests/win/main_window_fixture.h"
#include "tests/win/pump.h"
#include "tests/win/recording_support.h"
#include "tests/win/scripted_line.h"
#include "ui/application.h"
#include "ui/scripted_dialogs.h"

using namespace velmorant;
using namespace velmorant::test;

namespace {

// The main window with its car window, saving and opening record files through scripted
// dialogs.
class MainFormFilesTest : public MainWindowFixture {
protected:
    void TearDown() override {
        MainWindowFixture::TearDown();
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    std::filesystem::path File(const char* name) {
        std::filesystem::create_directories(folder);
        return folder / name;
    }
    std::filesystem::path Recording(const char* name, int n) {
        const auto path = File(name);
        WriteTestRecording(path, n);
        return path;
    }

    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "velmorant_main_form_files";
};

void PutOnClipboard(HWND owner, const std::wstring& text) {
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    std::memcpy(GlobalLock(data), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(data);
    SetClipboardData(CF_UNICODETEXT, data);
    CloseClipboard();
}

}  // namespace

// Line breaks of any kind in the comments and car fields come back as they were shown: the
// comments' lines as lines, a one-line field's break as a blank, every later field in place.
TEST_F(MainFormFilesTest, LineBreaksOfAnyKindSurviveSavingAndReopening) {
    ASSERT_TRUE(form->LoadRecordFile(Recording("source.vmr", 3)));
    car->Memo1().Clear();
    PutOnClipboard(car->Handle(), L"first\nsecond");
    SendMessageW(car->Memo1().Handle(), WM_PASTE, 0, 0);
    car->Memo2().SetText("a\rb");
    CarDescription fields = car->Car();
    fields[0] = "a\rb";
    fields[4] = "first\nsecond";
    car->SetCar(fields);
    EXPECT_EQ(car->Memo1().Lines(), (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(car->Memo2().Lines(), (std::vector<std::string>{"a", "b"}));

    const auto saved = File("saved.vmr");
    dialogs.fileAnswers = {ui::FileDialogAnswer{saved, 1}};
    form->SaveRecordAs();
    ASSERT_FALSE(RecordUnsaved.load());
    dialogs.boxes.clear();
    ASSERT_TRUE(form->LoadRecordFile(saved));
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(car->Memo1().Lines(), (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(car->Memo2().Lines(), (std::vector<std::string>{"a", "b"}));
    fields[0] = "a b";
    fields[4] = "first second";
    EXPECT_EQ(car->Car(), fields);
}

// Closing during a reading, Yes to saving and then no file chosen: the program stays open,
// stopped, and says so as Stop would.
TEST_F(MainFormFilesTest, SaveCancelledWhileClosingDuringAReadingSaysTheReadingStopped) {
    std::vector<EcuFrame> frames(2);
    line.events = SynthesizeStream(frames, {});
    Get<ui::Button>("Button1").Click();
    PumpUntil([&] { return Get<ui::ScrollBar>("ScrollBar1").Max() == 2; });
    ASSERT_EQ(Status(), "Reading...");
    car->Memo2().SetLines({"Проверка"});
    RecordUnsaved = true;
    dialogs.answers = {IDYES};
    form->Close();
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    EXPECT_TRUE(form->ReadingStopped());
    EXPECT_FALSE(CapturePortOpen(CaptureRec));
    EXPECT_EQ(Status(), "Reading stopped...");
    EXPECT_EQ(Get<ui::Button>("Button1").Caption(), "Read");
}

// A file larger than any record is another kind of file: refused at once, the record kept.
TEST_F(MainFormFilesTest, HugeFileIsUnknownFormatWithoutBeingRead) {
    ASSERT_TRUE(form->LoadRecordFile(Recording("source.vmr", 4)));
    const auto huge = Recording("huge.vmr", 2);
    std::filesystem::resize_file(huge, std::uintmax_t{6} << 30);
    const DWORD start = GetTickCount();
    EXPECT_FALSE(form->LoadRecordFile(huge));
    EXPECT_LT(GetTickCount() - start, 2000u);
    EXPECT_EQ(Status(), "Unknown file format");
    EXPECT_EQ(Get<ui::ScrollBar>("ScrollBar1").Max(), 4);
}

// Save As starts on the current file's name, whether the file came through "View", the
// command line or an earlier save.
TEST_F(MainFormFilesTest, SaveAsOffersTheCurrentFileName) {
    const auto viewed = Recording("viewed.vmr", 3);
    const auto named = Recording("named.vmr", 3);
    const auto saved = File("saved.vmr");
    auto& view = Get<ui::MenuItem>("N2");
    auto& saveAs = Get<ui::MenuItem>("N3");
    struct Case {
        const char* how;
        std::function<void()> open;
        std::filesystem::path offered;
    };
    const Case cases[] = {
        {"View",
         [&] {
             dialogs.fileAnswers = {ui::FileDialogAnswer{viewed, 1}};
             view.Click();
         },
         viewed},
        {"command line", [&] { form->LoadRecordFile(named); }, named},
        {"an earlier save",
         [&] {
             dialogs.fileAnswers = {ui::FileDialogAnswer{saved, 1}};
             saveAs.Click();
         },
         saved},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        c.open();
        dialogs.fileRequests.clear();
        saveAs.Click();
        ASSERT_EQ(dialogs.fileRequests.size(), 1u);
        EXPECT_TRUE(dialogs.fileRequests[0].save);
        EXPECT_EQ(dialogs.fileRequests[0].fileName, c.offered);
    }
}

// A typed ".vmr" or ".csv" chooses what is written, whichever type the dialog shows (after an
// export it opens on "Excel"); only another or no extension takes the chosen type's. The
// next Save As offers the written name with its type, and a saved record file reopens.
TEST_F(MainFormFilesTest, TypedExtensionChoosesTheFormatWhateverTypeIsChosen) {
    constexpr int kRecord = 1, kExport = 2;
    struct Save {
        const char* typed;
        int type;  // the type chosen in the dialog
        const char* written;
        int format;
    };
    struct Case {
        const char* how;
        std::vector<Save> saves;
    };
    const Case cases[] = {
        {"export, then save as .vmr",
         {{"saved.csv", kExport, "saved.csv", kExport},
          {"saved2.vmr", kExport, "saved2.vmr", kRecord}}},
        {"save, then export to .csv",
         {{"saved.vmr", kRecord, "saved.vmr", kRecord},
          {"saved2.csv", kRecord, "saved2.csv", kExport}}},
        {"extensions in capitals",
         {{"SAVED.VMR", kExport, "SAVED.VMR", kRecord},
          {"Saved2.Csv", kRecord, "Saved2.Csv", kExport}}},
        {"no extension",
         {{"plain", kExport, "plain.csv", kExport}, {"plain", kRecord, "plain.vmr", kRecord}}},
        {"another extension",
         {{"saved.txt", kExport, "saved.csv", kExport},
          {"saved.csv.bak", kRecord, "saved.csv.vmr", kRecord}}},
    };
    auto& saveAs = Get<ui::MenuItem>("N3");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        std::filesystem::remove_all(folder);
        ASSERT_TRUE(form->LoadRecordFile(Recording("source.vmr", 3)));
        for (const Save& s : c.saves) {
            SCOPED_TRACE(s.typed);
            const auto written = File(s.written);
            RecordUnsaved = true;
            dialogs.fileAnswers = {ui::FileDialogAnswer{File(s.typed), s.type}};
            saveAs.Click();
            ASSERT_TRUE(std::filesystem::exists(written));
            if (std::string(s.typed) != s.written) {
                EXPECT_FALSE(std::filesystem::exists(File(s.typed)));
            }
            EXPECT_FALSE(RecordUnsaved.load());
            EXPECT_EQ(Status(), std::string("Data to: ") + s.written);
            std::string first;
            std::getline(std::ifstream(written, std::ios::binary), first);
            EXPECT_EQ(first, s.format == kRecord ? "File for Velmorant 1.0.0.3\r"
                                                 : "Record from Velmorant;;;;;;3 frames\r");

            dialogs.fileRequests.clear();
            saveAs.Click();
            ASSERT_EQ(dialogs.fileRequests.size(), 1u);
            EXPECT_EQ(dialogs.fileRequests[0].fileName, written);
            EXPECT_EQ(dialogs.fileRequests[0].filterIndex, s.format);
            if (s.format == kRecord) {
                ASSERT_TRUE(form->LoadRecordFile(written));
                EXPECT_EQ(Get<ui::ScrollBar>("ScrollBar1").Max(), 3);
            }
        }
    }
}
