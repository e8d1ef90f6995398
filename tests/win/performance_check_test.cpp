#include "monitor/win/performance_check.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <regex>
#include <string>

#include "monitor/win/main_form.h"
#include "monitor/win/program_state.h"
#include "tests/win/program_folder.h"
#include "tests/win/pump.h"
#include "tests/win/scripted_line.h"
#include "ui/application.h"
#include "ui/error_box.h"
#include "ui/scripted_dialogs.h"
#include "ui/timer.h"

using namespace velmorant;
using namespace velmorant::test;

namespace {

constexpr char kTail[] = "ms. At discrepancy 2 ms. failures also are more possible";

class PerformanceCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetSerialApi(&line);
        RecordUnsaved = false;
        OpenMainWindow();
    }
    void OpenMainWindow() {
        form = std::make_unique<TForm1>();
        form->Create();
        form->Show();
        form->Timer1Timer();
    }
    void TearDown() override {
        if (CheckRec.Thread) WaitForSingleObject(CheckRec.Thread, 3000);
        if (CheckPortOpen()) CloseCheckPort();
        form.reset();
        SetSerialApi(nullptr);
    }
    // Chooses the command as the menu does: an error ends in the error box.
    void CheckPerformance() {
        ui::Guarded([&] { form->Get<ui::MenuItem>("N25").Click(); });
    }
    void SetPortBox(const char* text) { form->Get<ui::ComboBox>("ComboBox1").SetText(text); }
    bool PortOpenOnLine() { return line.openHandles.load() != 0; }

    ScriptedLine line;
    ui::ScriptedDialogs dialogs;
    std::unique_ptr<TForm1> form;
};

}  // namespace

// A counter that advances 0.25 ms at every reading: every step comes 0.25 ms late.
TEST_F(PerformanceCheckTest, ResultBoxGivesTheLatenessesThenThePortCloses) {
    line.frequency = 1'000'000;
    line.counterStep = 250;
    CheckPerformance();
    EXPECT_EQ(line.opened.back(), "\\\\.\\COM7");
    EXPECT_EQ(line.lastDcb.BaudRate, 9600u);
    PumpUntil([&] { return !dialogs.boxes.empty(); });
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, std::string("Average discrepancy of readout - 0.2500ms. "
                                                 "Max - 0.2500") +
                                         kTail);
    EXPECT_EQ(dialogs.boxes[0].caption, "Performance check");
    EXPECT_EQ(dialogs.boxes[0].flags & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));
    EXPECT_EQ(line.statusReads.load(), 1000);  // one modem-status read a step
    EXPECT_FALSE(PortOpenOnLine());
    EXPECT_FALSE(CheckPortOpen());
}

// On the machine's own counter: 1000 steps of 1 ms, then the 100 ms of Timer3.
TEST_F(PerformanceCheckTest, OnTheRealCounterTheBoxComesAboutASecondLater) {
    line.realCounter = true;
    const DWORD start = GetTickCount();
    CheckPerformance();
    ASSERT_TRUE(CheckPortOpen());
    // A second press while the check runs starts nothing more.
    CheckPerformance();
    PumpUntil([&] { return WaitForSingleObject(CheckRec.Thread, 0) == WAIT_OBJECT_0; });
    const DWORD threadDone = GetTickCount();
    EXPECT_TRUE(dialogs.boxes.empty());
    PumpUntil([&] { return !dialogs.boxes.empty(); });
    const DWORD shown = GetTickCount();
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_GE(threadDone - start, 990u);
    EXPECT_GE(shown - threadDone, 80u);
    EXPECT_GE(shown - start, 1080u);
    EXPECT_LT(shown - start, 3000u);
    EXPECT_EQ(line.opened.size(), 51u);  // the 50 probes at start and this check once

    const std::regex pattern(std::string("Average discrepancy of readout - (\\d+\\.\\d{4})ms\\. "
                                         "Max - (\\d+\\.\\d{4})") +
                             kTail);
    std::smatch m;
    ASSERT_TRUE(std::regex_match(dialogs.boxes[0].text, m, pattern)) << dialogs.boxes[0].text;
    EXPECT_GE(std::stod(m[2].str()), std::stod(m[1].str()));
    EXPECT_FALSE(PortOpenOnLine());
}

TEST_F(PerformanceCheckTest, PortBoxProblemsOpenNothing) {
    struct Case {
        const char* box;
        const char* message;
    };
    const Case cases[] = {
        {"", "Choose port"},
        {"COM8", "Error opening COM8"},  // the line has COM7 only
        {"COMx", "'x' is not a valid integer value."},
        {"COM", "'' is not a valid integer value."},
    };
    for (const Case& c : cases) {
        dialogs.boxes.clear();
        SetPortBox(c.box);
        CheckPerformance();
        ASSERT_EQ(dialogs.boxes.size(), 1u) << c.box;
        EXPECT_EQ(dialogs.boxes[0].text, c.message);
        EXPECT_FALSE(PortOpenOnLine()) << c.box;
        EXPECT_FALSE(CheckPortOpen()) << c.box;
    }
    // Nothing comes of them later either: no check ran.
    PumpFor(200);
    EXPECT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(line.statusReads.load(), 0);
}

// Without a performance counter: "Badly :)" in the status line, no box, the port closed at
// once, so the next check opens it again.
TEST_F(PerformanceCheckTest, NoCounterSaysBadlyAndClosesThePort) {
    line.frequency = 0;
    CheckPerformance();
    PumpUntil([&] { return form->Get<ui::Edit>("Edit1").Text() == "Badly :)"; });
    EXPECT_EQ(form->Get<ui::Edit>("Edit1").Text(), "Badly :)");
    EXPECT_FALSE(PortOpenOnLine());
    EXPECT_FALSE(CheckPortOpen());
    PumpFor(200);
    EXPECT_TRUE(dialogs.boxes.empty());

    line.frequency = 1'000'000;
    line.counterStep = 500;
    CheckPerformance();
    PumpUntil([&] { return !dialogs.boxes.empty(); });
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].caption, "Performance check");
    EXPECT_FALSE(PortOpenOnLine());
}

// Closing the program while a check runs, after its thread has reported but before the main
// window has the report, or while the result waits for Timer3: the check ends with the main
// window, its worker before the program's globals go, and no result box comes up.
TEST_F(PerformanceCheckTest, ClosingTheProgramEndsARunningCheck) {
    ProgramFolder folder("velmorant_check_exit");  // the settings written on closing
    line.realCounter = true;
    enum Stage { kRunning, kReported, kResultPending };
    for (const Stage stage : {kRunning, kReported, kResultPending}) {
        OpenMainWindow();
        dialogs.boxes.clear();
        CheckPerformance();
        ASSERT_TRUE(CheckPortOpen());
        if (stage == kReported) WaitForSingleObject(CheckRec.Thread, 3000);
        if (stage == kResultPending) {
            PumpUntil([&] { return form->Get<ui::Timer>("Timer3").Enabled(); });
            ASSERT_TRUE(form->Get<ui::Timer>("Timer3").Enabled());
        }
        form->FormClose();
        EXPECT_EQ(WaitForSingleObject(CheckRec.Thread, 0), static_cast<DWORD>(WAIT_OBJECT_0))
            << stage;
        EXPECT_FALSE(PortOpenOnLine()) << stage;
        EXPECT_FALSE(CheckPortOpen()) << stage;
        EXPECT_FALSE(form->Get<ui::Timer>("Timer3").Enabled()) << stage;
        PumpFor(stage == kRunning ? 1500 : 300);
        EXPECT_TRUE(dialogs.boxes.empty()) << stage;
    }
}
