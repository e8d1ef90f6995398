#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "monitor/core/atomic_file.h"
#include "monitor/core/record_file_reader.h"
#include "monitor/win/main_form.h"
#include "monitor/win/program_forms.h"
#include "monitor/win/program_state.h"
#include "tests/win/clipboard.h"
#include "tests/support/ecu_stream.h"
#include "tests/win/main_window_fixture.h"
#include "tests/win/pump.h"
#include "tests/win/recording_support.h"
#include "tests/win/scripted_line.h"
#include "ui/application.h"
#include "ui/dialogs.h"
#include "ui/modal.h"
#include "ui/scripted_dialogs.h"

using namespace velmorant;
using namespace velmorant::test;

namespace {

// The main window with its car window, saving and opening record files through scripted
// dialogs.
class MainFormFilesTest : public MainWindowFilesFixture {
protected:
    MainFormFilesTest() : MainWindowFilesFixture("velmorant_main_form_files") {}
    std::filesystem::path Recording(const char* name, int n) {
        const auto path = File(name);
        WriteTestRecording(path, n);
        return path;
    }
};

std::string FirstLine(const std::filesystem::path& path) {
    std::string first;
    std::getline(std::ifstream(path, std::ios::binary), first);
    return first;
}

constexpr char kUnsaved[] = "Data not saved. Save to file?";

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
// next Save As offers the written name (an export's without ".csv") with its type, and a
// saved record file reopens.
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
            // Only a record file saves the record.
            EXPECT_EQ(RecordUnsaved.load(), s.format == kExport);
            EXPECT_EQ(Status(), std::string("Data to: ") + s.written);
            std::string first;
            std::getline(std::ifstream(written, std::ios::binary), first);
            EXPECT_EQ(first, s.format == kRecord ? "File for Velmorant 1.0.0.3\r"
                                                 : "Record from Velmorant;;;;;;3 frames\r");

            dialogs.fileRequests.clear();
            saveAs.Click();
            ASSERT_EQ(dialogs.fileRequests.size(), 1u);
            // An export's name is offered without ".csv": the type chosen decides.
            auto offered = written;
            if (s.format == kExport) offered.replace_extension();
            EXPECT_EQ(dialogs.fileRequests[0].fileName, offered);
            EXPECT_EQ(dialogs.fileRequests[0].filterIndex, s.format);
            if (s.format == kRecord) {
                ASSERT_TRUE(form->LoadRecordFile(written));
                EXPECT_EQ(Get<ui::ScrollBar>("ScrollBar1").Max(), 3);
            }
        }
    }
}

// Car A saved, then a record without a file of its own (New, a reading): Save As offers no
// name, and an existing file is replaced only after Yes to the program's one question, for
// the name typed as for one the chosen type gave its extension; No goes back to the dialog.
TEST_F(MainFormFilesTest, SaveAsOffersNoEarlierNameAndAsksBeforeReplacing) {
    auto& saveAs = Get<ui::MenuItem>("N3");
    struct Loss {
        const char* how;
        std::function<void()> run;
    };
    const Loss losses[] = {
        {"New", [&] { Get<ui::MenuItem>("N14").Click(); }},
        {"a reading",
         [&] {
             line.events = SynthesizeStream(std::vector<EcuFrame>(2), {});
             Get<ui::Button>("Button1").Click();
             PumpUntil([&] { return Get<ui::ScrollBar>("ScrollBar1").Max() == 2; });
             Get<ui::Button>("Button1").Click();
         }},
    };
    for (const Loss& loss : losses) {
        for (const char* typed : {"carA.vmr", "carA", "carA.txt"}) {
            SCOPED_TRACE(std::string(loss.how) + ", typed " + typed);
            std::filesystem::remove_all(folder);
            ASSERT_TRUE(form->LoadRecordFile(Recording("source.vmr", 9)));
            const auto carA = File("carA.vmr");
            dialogs.fileAnswers = {ui::FileDialogAnswer{carA, 1}};
            saveAs.Click();
            ASSERT_EQ(FramesIn(carA), 9);

            loss.run();
            car->Memo2().SetLines({"Причина"});
            const int frames = Get<ui::ScrollBar>("ScrollBar1").Max();
            ASSERT_NE(frames, 9);
            const bool unsaved = RecordUnsaved.load();
            const std::string status = Status();
            for (const bool yes : {false, true}) {
                SCOPED_TRACE(yes ? "Yes" : "No");
                dialogs.fileRequests.clear();
                dialogs.boxes.clear();
                dialogs.fileAnswers = {ui::FileDialogAnswer{File(typed), 1}};
                dialogs.answers = {yes ? IDYES : IDNO};
                saveAs.Click();
                ASSERT_EQ(dialogs.fileRequests.size(), yes ? 1u : 2u);
                EXPECT_EQ(dialogs.fileRequests[0].fileName, std::filesystem::path());
                EXPECT_EQ(dialogs.fileRequests[0].initialDir, folder);  // car A's
                // After No the dialog again, on the name typed (then cancelled here).
                if (!yes) {
                    EXPECT_EQ(dialogs.fileRequests[1].fileName, File(typed));
                }
                ASSERT_EQ(dialogs.boxes.size(), 1u);
                EXPECT_EQ(dialogs.boxes[0].text, "carA.vmr already exists.\nDo you want to replace it?");
                EXPECT_EQ(dialogs.boxes[0].caption, "Confirm Save As");
                EXPECT_EQ(dialogs.boxes[0].flags,
                          static_cast<UINT>(MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2));
                EXPECT_EQ(FramesIn(carA), yes ? frames : 9);
                EXPECT_EQ(RecordUnsaved.load(), yes ? false : unsaved);
                EXPECT_EQ(Status(), yes ? std::string("Data to: carA.vmr") : status);
            }
        }
    }
}

// The real save dialog asks no question of its own (its default would be Yes) and opens with
// no name after New but in the folder of the file before. Enter in it on an existing name,
// then Enter in the program's real question replaces nothing, and the dialog comes back.
TEST_F(MainFormFilesTest, EnterTwiceOnAnExistingNameReplacesNothing) {
    static DWORD flags;
    static std::wstring offered, initialDir, answer;
    static int calls;
    flags = 0;
    calls = 0;
    offered = L"unset";
    answer.clear();
    ui::SetSaveFileNameCall([](OPENFILENAMEW* ofn) -> BOOL {
        ++calls;
        flags = ofn->Flags;
        offered = ofn->lpstrFile;
        initialDir = ofn->lpstrInitialDir ? ofn->lpstrInitialDir : L"";
        // The first Enter: the name typed, on the first type; afterwards cancelled.
        if (answer.empty() || calls > 1) return FALSE;
        answer.copy(ofn->lpstrFile, ofn->nMaxFile - 1);
        ofn->lpstrFile[answer.size()] = L'\0';
        ofn->nFilterIndex = 1;
        return TRUE;
    });
    ui::SetDialogs(nullptr);
    struct Restore {
        ui::ScriptedDialogs& scripted;
        ~Restore() {
            ui::SetSaveFileNameCall(nullptr);
            ui::SetDialogs(&scripted);
        }
    } restore{dialogs};
    ASSERT_TRUE(form->LoadRecordFile(Recording("carA.vmr", 9)));
    Get<ui::MenuItem>("N3").Click();
    EXPECT_FALSE(flags & OFN_OVERWRITEPROMPT);
    EXPECT_EQ(offered, File("carA.vmr").wstring());

    Get<ui::MenuItem>("N14").Click();
    car->Memo2().SetLines({"Причина"});
    flags = 0;
    calls = 0;
    answer = (folder / "carA").wstring();
    // The second Enter, on the box as it is shown: its default button answers.
    static UINT defaultId;
    static std::wstring boxText;
    static int ticksAfterEnter;
    defaultId = 0;
    ticksAfterEnter = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
        HWND box = ui::ShownDialog();
        if (!box) return;
        // An Enter that answered nothing fails the test instead of leaving the box open.
        if (defaultId && ++ticksAfterEnter == 60) PostMessageW(box, WM_COMMAND, IDNO, 0);
        if (defaultId) return;
        for (HWND b = GetWindow(box, GW_CHILD); b; b = GetWindow(b, GW_HWNDNEXT))
            if ((GetWindowLongPtrW(b, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
                defaultId = static_cast<UINT>(GetDlgCtrlID(b));
        if (!defaultId) return;  // not laid out yet
        wchar_t text[200] = {};
        GetDlgItemTextW(box, 0xFFFF, text, 200);
        boxText = text;
        HWND focus = GetFocus();
        HWND target = focus && IsChild(box, focus) ? focus : box;
        PostMessageW(target, WM_KEYDOWN, VK_RETURN, 0);
        PostMessageW(target, WM_KEYUP, VK_RETURN, 0);
    });
    Get<ui::MenuItem>("N3").Click();
    KillTimer(nullptr, timer);
    EXPECT_FALSE(flags & OFN_OVERWRITEPROMPT);
    EXPECT_EQ(offered, (folder / "carA").wstring());  // the dialog again, after No
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(defaultId, static_cast<UINT>(IDNO));
    EXPECT_LT(ticksAfterEnter, 60);
    EXPECT_EQ(boxText, L"carA.vmr already exists.\nDo you want to replace it?");
    EXPECT_EQ(initialDir, folder.wstring());
    EXPECT_EQ(FramesIn(File("carA.vmr")), 9);
}

// An export is no save: leaving the record afterwards asks first, and Yes opens the save on
// the record file's type with the export's name without ".csv", so that the record is saved
// and only then dropped.
TEST_F(MainFormFilesTest, AnExportLeavesTheRecordUnsavedAndTheQuestionSavesARecordFile) {
    constexpr int kRecord = 1, kExport = 2;
    struct Leave {
        const char* how;
        std::function<void()> run;
    };
    const Leave leaves[] = {
        {"Exit",
         [&] {
             bool canClose = true;
             form->FormCloseQuery(canClose);
             EXPECT_FALSE(canClose);
         }},
        {"New", [&] { Get<ui::MenuItem>("N14").Click(); }},
        {"View", [&] { Get<ui::MenuItem>("N2").Click(); }},
        {"Read", [&] { Get<ui::Button>("Button1").Click(); }},
    };
    auto& saveAs = Get<ui::MenuItem>("N3");
    const auto carB = File("carB.csv");
    for (const Leave& leave : leaves) {
        SCOPED_TRACE(leave.how);
        std::filesystem::remove_all(folder);
        ASSERT_TRUE(form->LoadRecordFile(Recording("source.vmr", 3)));
        Get<ui::Button>("Button5").Click();  // a frame deleted: the record is unsaved
        ASSERT_TRUE(RecordUnsaved.load());
        dialogs.fileAnswers = {ui::FileDialogAnswer{carB, kExport}};
        saveAs.Click();
        ASSERT_EQ(FirstLine(carB), "Record from Velmorant;;;;;;2 frames\r");
        EXPECT_EQ(Status(), "Data to: carB.csv");
        EXPECT_TRUE(RecordUnsaved.load());

        // Cancel keeps everything.
        dialogs.boxes.clear();
        dialogs.fileRequests.clear();
        leave.run();
        ASSERT_EQ(dialogs.boxes.size(), 1u);
        EXPECT_EQ(dialogs.boxes[0].text, kUnsaved);
        EXPECT_TRUE(dialogs.fileRequests.empty());
        EXPECT_EQ(Get<ui::ScrollBar>("ScrollBar1").Max(), 2);
        EXPECT_TRUE(RecordUnsaved.load());
    }

    // Plain Save As after the export: its type, its name without ".csv".
    dialogs.fileRequests.clear();
    saveAs.Click();
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].fileName, File("carB"));
    EXPECT_EQ(dialogs.fileRequests[0].filterIndex, kExport);

    // Yes to the question: the record file's type; the name as offered takes its extension.
    dialogs.fileRequests.clear();
    dialogs.answers = {IDYES};
    dialogs.fileAnswers = {ui::FileDialogAnswer{File("carB"), kRecord}};
    Get<ui::MenuItem>("N14").Click();
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].fileName, File("carB"));
    EXPECT_EQ(dialogs.fileRequests[0].filterIndex, kRecord);
    EXPECT_EQ(dialogs.fileRequests[0].defaultExt, "vmr");
    EXPECT_EQ(FramesIn(File("carB.vmr")), 2);
    EXPECT_FALSE(RecordUnsaved.load());
    EXPECT_EQ(Get<ui::ScrollBar>("ScrollBar1").Max(), 1);  // New went on after the save

    // Exporting from the question's dialog is no save either: the record stays.
    ASSERT_TRUE(form->LoadRecordFile(File("carB.vmr")));
    Get<ui::Button>("Button5").Click();
    dialogs.answers = {IDYES};
    dialogs.fileAnswers = {ui::FileDialogAnswer{File("carC.csv"), kExport}};
    bool canClose = true;
    form->FormCloseQuery(canClose);
    EXPECT_FALSE(canClose);
    EXPECT_TRUE(std::filesystem::exists(File("carC.csv")));
    EXPECT_TRUE(RecordUnsaved.load());
    EXPECT_EQ(Status(), "Data to: carC.csv");
}

// A folder where nothing new can be made: an existing record file that may be written is
// saved in place; a new name still fails with the box, the record left unsaved.
TEST_F(MainFormFilesTest, FolderWithoutRoomForATemporaryFileSavesAWritableFileInPlace) {
    ASSERT_TRUE(form->LoadRecordFile(Recording("carA.vmr", 9)));
    const auto carA = File("carA.vmr");
    SetTemporaryPathRule([](const std::filesystem::path& target) {
        return target.parent_path() / "no such folder" / "x.tmp";
    });
    struct Restore {
        ~Restore() { SetTemporaryPathRule(nullptr); }
    } restore;
    Get<ui::Button>("Button5").Click();
    ASSERT_TRUE(RecordUnsaved.load());

    const auto carB = File("carB.vmr");
    dialogs.fileAnswers = {ui::FileDialogAnswer{carB, 1}};
    Get<ui::MenuItem>("N3").Click();
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "File write error");
    EXPECT_FALSE(std::filesystem::exists(carB));
    EXPECT_TRUE(RecordUnsaved.load());

    dialogs.boxes.clear();
    dialogs.fileAnswers = {ui::FileDialogAnswer{carA, 1}};
    dialogs.answers = {IDYES};
    Get<ui::MenuItem>("N3").Click();
    ASSERT_EQ(dialogs.boxes.size(), 1u);  // the replace question
    EXPECT_EQ(dialogs.boxes[0].caption, "Confirm Save As");
    EXPECT_EQ(FramesIn(carA), 8);
    EXPECT_FALSE(RecordUnsaved.load());
    EXPECT_EQ(Status(), "Data to: carA.vmr");
}

// A long name that the file system takes is saved like any short one, nothing left beside it.
TEST_F(MainFormFilesTest, SaveAsTakesALongName) {
    ASSERT_TRUE(form->LoadRecordFile(Recording("source.vmr", 3)));
    const std::string name = std::string(235, 'n') + ".vmr";  // 239 characters
    const auto saved = File(name.c_str());
    Get<ui::Button>("Button5").Click();
    ASSERT_TRUE(RecordUnsaved.load());
    dialogs.fileAnswers = {ui::FileDialogAnswer{saved, 1}};
    form->SaveRecordAs();
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(FramesIn(saved), 2);
    EXPECT_FALSE(RecordUnsaved.load());
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{name, "source.vmr"}));
}
