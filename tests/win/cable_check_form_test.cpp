#include "monitor/win/cable_check_form.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "monitor/win/cable_check_port.h"
#include "monitor/win/capture_port.h"
#include "monitor/win/main_form.h"
#include "monitor/win/program_forms.h"
#include "monitor/win/program_state.h"
#include "tests/win/pump.h"
#include "tests/win/scripted_line.h"
#include "tests/win/window_text.h"
#include "ui/application.h"
#include "ui/error_box.h"
#include "ui/scripted_dialogs.h"

using namespace velmorant;
using namespace velmorant::test;

namespace {

class CableCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetSerialApi(&line);
        RecordUnsaved = false;
        main = std::make_unique<TForm1>();
        main->Create();
        check = std::make_unique<TForm8>();
        check->Create();
        check->MainWindow = main.get();
        Forms.Form8 = check.get();
        main->Show();
        main->Timer1Timer();
    }
    void TearDown() override {
        Adapter = false;
        Forms.Form8 = nullptr;
        check.reset();
        main.reset();
        SetSerialApi(nullptr);
    }
    void ChooseCableCheck() {
        ui::Guarded([&] { main->Get<ui::MenuItem>("N32").Click(); });
    }
    void PressButton() {
        ui::Guarded([&] { check->Get<ui::Button>("Button1").Click(); });
    }
    // The level as the window shows it.
    std::string Level() {
        return ui::WideToCp1251(WindowText(check->Get<ui::Label>("Label1").Handle()));
    }
    std::string ButtonText() { return check->Get<ui::Button>("Button1").Caption(); }
    bool ThreadEnded() {
        return CableRec.Thread && WaitForSingleObject(CableRec.Thread, 1000) == WAIT_OBJECT_0;
    }

    ScriptedLine line;
    ui::ScriptedDialogs dialogs;
    std::unique_ptr<TForm1> main;
    std::unique_ptr<TForm8> check;
};

}  // namespace

TEST_F(CableCheckTest, TheWindowTakesTheMainWindowsPlace) {
    EXPECT_EQ(check->Caption(), "Check the cable on the inversion");
    EXPECT_EQ(Level(), "0");
    EXPECT_EQ(ButtonText(), "Start verification");
    const ui::Font& font = check->Get<ui::Label>("Label1").GetFont();
    EXPECT_EQ(font.name, "Courier New");
    EXPECT_TRUE(font.bold);
    EXPECT_EQ(font.colour, ui::kMaroon);
    EXPECT_EQ(check->Get<ui::Label>("Label2").Caption(), "On the cable must be");
    EXPECT_EQ(check->Get<ui::Label>("Label9").Caption(), "if 0 - then with inversion");

    ChooseCableCheck();
    EXPECT_FALSE(IsWindowVisible(main->Handle()));
    EXPECT_TRUE(IsWindowVisible(check->Handle()));
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(line.openHandles.load(), 0);  // the check starts with the button only
}

TEST_F(CableCheckTest, EmptyPortBoxAsksForAPort) {
    main->Get<ui::ComboBox>("ComboBox1").SetText("");
    ChooseCableCheck();
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "Choose port");
    EXPECT_TRUE(IsWindowVisible(main->Handle()));
    EXPECT_FALSE(IsWindowVisible(check->Handle()));
}

// The level as the line has it, whatever the inverse-adapter setting says.
TEST_F(CableCheckTest, ShowsEachLevelOfTheLine) {
    for (bool adapter : {false, true}) {
        Adapter = adapter;
        ChooseCableCheck();
        PressButton();
        ASSERT_EQ(ButtonText(), "Stop verification");
        EXPECT_FALSE(check->NotVerifying());
        EXPECT_EQ(line.opened.back(), "\\\\.\\COM7");
        for (bool on : {true, false, true, false}) {
            ASSERT_TRUE(line.Change(on));
            const char* want = on ? "1" : "0";
            PumpUntil([&] { return Level() == want; }, 3000);
            EXPECT_EQ(Level(), want) << "adapter " << adapter;
        }
        PressButton();
        EXPECT_EQ(ButtonText(), "Start verification");
        EXPECT_TRUE(check->NotVerifying());
        EXPECT_TRUE(ThreadEnded());
        EXPECT_EQ(line.openHandles.load(), 0);
    }
}

// The level the line has when the check starts is shown at once, whatever an earlier check
// left on the label; the changes are followed from there.
TEST_F(CableCheckTest, StartsWithTheLevelTheLineHas) {
    struct Case {
        const char* earlier;  // the label as an earlier check left it
        bool dsrAtOpen;
        bool statusFails;
        const char* want;
    };
    const Case cases[] = {
        {"0", true, false, "1"},  // +5 V put on before the check
        {"0", false, false, "0"}, {"1", false, false, "0"}, {"1", true, false, "1"},
        {"1", false, true, ""},  // a level that cannot be read is not guessed
    };
    ChooseCableCheck();
    for (const Case& c : cases) {
        const std::string what = std::string("earlier ") + c.earlier + ", line " +
                                 (c.dsrAtOpen ? "on" : "off") +
                                 (c.statusFails ? ", unreadable" : "");
        check->Get<ui::Label>("Label1").SetCaption(c.earlier);
        line.dsrAtOpen = c.dsrAtOpen;
        line.failStatus = c.statusFails;
        PressButton();
        ASSERT_EQ(ButtonText(), "Stop verification") << what;
        PumpFor(50);
        EXPECT_EQ(Level(), c.want) << what;
        if (!c.statusFails) {
            ASSERT_TRUE(line.Change(!c.dsrAtOpen)) << what;
            const char* next = c.dsrAtOpen ? "0" : "1";
            PumpUntil([&] { return Level() == next; }, 3000);
            EXPECT_EQ(Level(), next) << what;
        }
        PressButton();
        ASSERT_TRUE(ThreadEnded()) << what;
        PumpFor(20);  // whatever the ended thread posted
    }
}

// A pulled adapter while the line is on: the check ends as Stop ends it, the label no longer
// shows the frozen level, and one box names the port.
TEST_F(CableCheckTest, APortThatKeepsFailingEndsTheCheck) {
    line.dsrAtOpen = true;
    line.failWaits = true;
    ChooseCableCheck();
    const DWORD start = GetTickCount();
    PressButton();
    PumpUntil([&] { return Level() == "1"; }, 500);
    EXPECT_EQ(Level(), "1");
    PumpUntil([&] { return !dialogs.boxes.empty(); }, 5000);
    const DWORD elapsed = GetTickCount() - start;
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "Error reading COM7");
    EXPECT_EQ(dialogs.boxes[0].caption, "Velmorant");
    EXPECT_EQ(dialogs.boxes[0].flags, static_cast<UINT>(MB_OK));
    // The port is given about a second to come back, not more.
    EXPECT_GE(elapsed, 900u);
    EXPECT_LT(elapsed, 3000u);
    EXPECT_EQ(Level(), "");
    EXPECT_EQ(ButtonText(), "Start verification");
    EXPECT_TRUE(check->NotVerifying());
    EXPECT_TRUE(ThreadEnded());
    EXPECT_EQ(line.openHandles.load(), 0);
    PumpFor(200);
    EXPECT_EQ(dialogs.boxes.size(), 1u);

    // Once the adapter is back, the next press checks the line again.
    line.failWaits = false;
    PressButton();
    EXPECT_EQ(ButtonText(), "Stop verification");
    PumpUntil([&] { return Level() == "1"; }, 500);
    EXPECT_EQ(Level(), "1");
    PressButton();
    EXPECT_EQ(dialogs.boxes.size(), 1u);
}

// A check the user stopped is not reported failing afterwards, even when its thread's
// report was already on its way.
TEST_F(CableCheckTest, AStoppedCheckGivesNoBoxForItsFailingPort) {
    struct Case {
        const char* what;
        bool reportQueued;  // the thread has reported before the stop is pressed
    };
    const Case cases[] = {{"stopped while the port fails", false},
                          {"stopped with the report on its way", true}};
    line.dsrAtOpen = true;
    line.failWaits = true;
    ChooseCableCheck();
    for (const Case& c : cases) {
        PressButton();
        ASSERT_EQ(ButtonText(), "Stop verification") << c.what;
        PumpUntil([&] { return Level() == "1"; }, 500);
        if (c.reportQueued) {
            // Not pumping: the report waits in the queue until after the stop.
            ASSERT_EQ(WaitForSingleObject(CableRec.Thread, 3000), WAIT_OBJECT_0) << c.what;
        } else {
            PumpFor(300);
        }
        PressButton();
        EXPECT_TRUE(ThreadEnded()) << c.what;
        PumpFor(1300);
        EXPECT_TRUE(dialogs.boxes.empty()) << c.what;
        EXPECT_EQ(ButtonText(), "Start verification") << c.what;
        EXPECT_TRUE(check->NotVerifying()) << c.what;
        EXPECT_EQ(Level(), "1") << c.what;  // a stop keeps the last level shown
        EXPECT_EQ(line.openHandles.load(), 0) << c.what;
    }
}

TEST_F(CableCheckTest, FailedOpenStaysIdleAndTheNextPressTriesAgain) {
    ChooseCableCheck();
    main->Get<ui::ComboBox>("ComboBox1").SetText("COM8");
    PressButton();
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "Error opening COM8");
    EXPECT_EQ(ButtonText(), "Start verification");
    EXPECT_TRUE(check->NotVerifying());
    EXPECT_EQ(line.openHandles.load(), 0);

    main->Get<ui::ComboBox>("ComboBox1").SetText("COM7");
    PressButton();
    EXPECT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(ButtonText(), "Stop verification");
    EXPECT_EQ(line.openHandles.load(), 1);
    PressButton();
}

TEST_F(CableCheckTest, ClosingStopsTheCheckAndGivesBackTheMainWindow) {
    ChooseCableCheck();
    PressButton();
    ASSERT_EQ(ButtonText(), "Stop verification");
    const DWORD start = GetTickCount();
    check->Close();
    EXPECT_GE(GetTickCount() - start, 490u);
    EXPECT_TRUE(ThreadEnded());
    EXPECT_EQ(line.openHandles.load(), 0);
    EXPECT_EQ(ButtonText(), "Start verification");
    EXPECT_TRUE(check->NotVerifying());
    EXPECT_FALSE(IsWindowVisible(check->Handle()));
    EXPECT_TRUE(IsWindowVisible(main->Handle()));
}

TEST_F(CableCheckTest, EscClosesTheWindow) {
    ChooseCableCheck();
    PumpFor(30);
    PostMessageW(check->Get<ui::Button>("Button1").Handle(), WM_CHAR, VK_ESCAPE, 1);
    PumpUntil([&] { return IsWindowVisible(main->Handle()) != FALSE; }, 1500);
    EXPECT_FALSE(IsWindowVisible(check->Handle()));
    EXPECT_TRUE(IsWindowVisible(main->Handle()));
}
