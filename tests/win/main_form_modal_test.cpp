#include <gtest/gtest.h>
#include <windows.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "monitor/win/capture_port.h"
#include "monitor/win/main_form.h"
#include "monitor/win/program_state.h"
#include "tests/support/ecu_stream.h"
#include "tests/win/main_window_fixture.h"
#include "tests/win/pump.h"
#include "tests/win/recording_support.h"
#include "ui/scripted_dialogs.h"

using namespace velmorant;
using namespace velmorant::test;

namespace {

constexpr char kUnsaved[] = "Data not saved. Save to file?";
constexpr char kReplace[] = "carA.vmr already exists.\nDo you want to replace it?";

// The main window whose frame messages a test may keep back and hand on later.
class HoldingForm : public TForm1 {
public:
    bool holding = false;
    std::vector<std::pair<WPARAM, LPARAM>> held;
    void HandOn() {
        for (const auto& [w, l] : std::exchange(held, {})) TForm1::WindowProc(WM_EDGELIST, w, l);
    }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_EDGELIST && holding) {
            held.emplace_back(wParam, lParam);
            return 0;
        }
        return TForm1::WindowProc(msg, wParam, lParam);
    }
};

// Car A's 9 frames opened and one deleted: the record shown is unsaved and has 8.
class MainFormModalTest : public MainWindowFilesFixture {
protected:
    MainFormModalTest() : MainWindowFilesFixture("velmorant_main_form_modal") {}
    std::unique_ptr<TForm1> MakeForm() override { return std::make_unique<HoldingForm>(); }
    HoldingForm& Holding() { return static_cast<HoldingForm&>(*form); }
    void OpenCarAAndDeleteAFrame() {
        carA = File("carA.vmr");
        WriteTestRecording(carA, 9);
        ASSERT_TRUE(form->LoadRecordFile(carA));
        Get<ui::Button>("Button5").Click();
        ASSERT_TRUE(RecordUnsaved.load());
        ASSERT_EQ(Frames(), 8);
    }
    int Frames() { return Get<ui::ScrollBar>("ScrollBar1").Max(); }
    std::vector<std::string> BoxTexts() {
        std::vector<std::string> texts;
        for (const auto& box : dialogs.boxes) texts.push_back(box.text);
        return texts;
    }
    std::filesystem::path carA;
};

}  // namespace

// A close request (the taskbar's Close, End task) that arrives while a box or dialog of the
// program is open is never handled inside it: it waits for the step's end, then asks its own
// question about what is left. The file opened is never rewritten with a record cleared
// under the dialog.
TEST_F(MainFormModalTest, CloseRequestWaitsForTheOpenBoxOrDialog) {
    using Files = std::deque<std::optional<ui::FileDialogAnswer>>;
    struct Case {
        const char* where;
        const char* command;                  // the menu item run
        std::function<bool(ui::ScriptedDialogs&)> open;  // the step the request arrives in
        std::deque<int> answers;
        Files files;
        int carAFrames;                       // on disk afterwards
        bool closed;
        std::vector<std::string> boxes;
    };
    const auto inDialog = [](ui::ScriptedDialogs& d) { return d.fileRequests.size() == 1; };
    const auto inFirstBox = [](ui::ScriptedDialogs& d) { return d.boxes.size() == 1; };
    const Case cases[] = {
        // The steps: Save As offers car A, No to replacing it, the dialog cancelled,
        // then No to the close's question: the program ends, car A untouched.
        {"Save As", "N3", inDialog, {IDNO, IDNO}, Files{ui::FileDialogAnswer{File("carA.vmr"), 1}},
         9, true, {kReplace, kUnsaved}},
        // Saved under another name: the record is saved, so the close asks nothing.
        {"Save As, another name", "N3", inDialog, {}, Files{ui::FileDialogAnswer{File("nested.vmr"), 1}},
         9, true, {}},
        {"the replace question", "N3", inFirstBox, {IDYES},
         Files{ui::FileDialogAnswer{File("carA.vmr"), 1}}, 8, true, {kReplace}},
        // View: the question cancelled, then the close's question answered No.
        {"View's question", "N2", inFirstBox, {IDCANCEL, IDNO}, {}, 9, true, {kUnsaved, kUnsaved}},
        // View: No, then the open dialog cancelled: the record stays, and so does the program
        // when its question is cancelled.
        {"the open dialog", "N2", inDialog, {IDNO, IDCANCEL}, {}, 9, false, {kUnsaved, kUnsaved}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        std::filesystem::remove_all(folder);
        form->Show();
        OpenCarAAndDeleteAFrame();
        dialogs.boxes.clear();
        dialogs.fileRequests.clear();
        dialogs.answers = c.answers;
        dialogs.fileAnswers = c.files;
        bool sent = false;
        std::size_t boxesBefore = 0;
        std::size_t boxesAfter = 0;
        bool visibleAfter = false;
        dialogs.whileOpen = [&] {
            if (sent || !c.open(dialogs)) return;
            sent = true;
            boxesBefore = dialogs.boxes.size();
            SendMessageW(form->Handle(), WM_CLOSE, 0, 0);
            boxesAfter = dialogs.boxes.size();
            visibleAfter = IsWindowVisible(form->Handle());
        };
        Get<ui::MenuItem>(c.command).Click();
        ASSERT_TRUE(sent);
        EXPECT_EQ(boxesAfter, boxesBefore);  // nothing asked inside the open step
        EXPECT_TRUE(visibleAfter);
        EXPECT_TRUE(IsWindowVisible(form->Handle()));  // not before the step has ended
        PumpFor(400);
        dialogs.whileOpen = nullptr;
        EXPECT_EQ(FramesIn(carA), c.carAFrames);
        EXPECT_EQ(!IsWindowVisible(form->Handle()), c.closed);
        EXPECT_EQ(BoxTexts(), c.boxes);
        if (!c.closed) {
            EXPECT_EQ(Frames(), 8);
            EXPECT_TRUE(RecordUnsaved.load());
        }
    }
}

// View with a saved record shown: a cancelled dialog, a missing file or a file of another
// kind leave the record as it was shown; only a file that is read replaces it.
TEST_F(MainFormModalTest, ViewThatReadsNothingLeavesTheShownRecord) {
    const auto other = File("other.txt");
    { std::ofstream(other) << "not a recording\r\n"; }
    struct Case {
        const char* what;
        std::optional<ui::FileDialogAnswer> chosen;
        const char* status;
    };
    const Case cases[] = {
        {"cancelled", std::nullopt, "Data from: carA.vmr"},
        {"a missing file", ui::FileDialogAnswer{File("missing.vmr"), 1}, "Data from: carA.vmr"},
        {"another kind of file", ui::FileDialogAnswer{other, 1}, "Unknown file format"},
    };
    carA = File("carA.vmr");
    WriteTestRecording(carA, 9);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(form->LoadRecordFile(carA));
        auto& position = Get<ui::ScrollBar>("ScrollBar1");
        position.SetPosition(7);
        const std::string seven = Get<ui::ListView>("ListView2").ItemCaption(4);
        dialogs.boxes.clear();
        dialogs.fileAnswers = {c.chosen};
        Get<ui::MenuItem>("N2").Click();
        EXPECT_TRUE(dialogs.boxes.empty());
        EXPECT_EQ(Frames(), 9);
        EXPECT_EQ(position.Position(), 7);
        EXPECT_EQ(Get<ui::ListView>("ListView2").ItemCaption(4), seven);
        EXPECT_EQ(Status(), c.status);
        EXPECT_EQ(car->Car()[0], "Моя машина");
        EXPECT_FALSE(RecordUnsaved.load());
    }
}

// While a box or dialog is open, playback does not step and frames still queued from the
// reading before it do not enter the record: the record saved is the one the name was
// chosen for.
TEST_F(MainFormModalTest, PlaybackAndQueuedFramesWaitOutTheSaveDialog) {
    OpenCarAAndDeleteAFrame();
    auto& position = Get<ui::ScrollBar>("ScrollBar1");
    position.SetPosition(1);
    Get<ui::Button>("Button6").Click();  // playback, a frame a second
    int during = 0;
    dialogs.whileOpen = [&] {
        PumpFor(2300);
        during = position.Position();
    };
    Get<ui::MenuItem>("N3").Click();  // cancelled
    EXPECT_EQ(during, 1);
    PumpUntil([&] { return position.Position() > 1; }, 3000);
    EXPECT_GT(position.Position(), 1);
    Get<ui::Button>("Button6").Click();
    dialogs.whileOpen = nullptr;

    // A reading whose frames are queued when Save As stops it.
    dialogs.answers = {IDNO};
    Get<ui::MenuItem>("N14").Click();
    line.events = SynthesizeStream(std::vector<EcuFrame>(4), {});
    Holding().holding = true;
    Get<ui::Button>("Button1").Click();
    PumpUntil([&] { return Holding().held.size() >= 4; });
    ASSERT_GE(Holding().held.size(), 4u);
    Holding().holding = false;
    car->Memo2().SetLines({"Причина"});
    const auto saved = File("reading.vmr");
    dialogs.fileAnswers = {ui::FileDialogAnswer{saved, 1}};
    dialogs.whileOpen = [&] { Holding().HandOn(); };
    const int before = FrameCount.load();
    Get<ui::MenuItem>("N3").Click();
    EXPECT_EQ(FrameCount.load(), before);
    EXPECT_EQ(FramesIn(saved), Frames());
    EXPECT_FALSE(RecordUnsaved.load());
    dialogs.whileOpen = nullptr;
}
