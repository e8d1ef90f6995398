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
