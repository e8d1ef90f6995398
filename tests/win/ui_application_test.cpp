#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "tests/win/activation_support.h"
#include "ui/application.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/modal.h"
#include "ui/scripted_dialogs.h"
#include "ui/timer.h"

using namespace velmorant::test;

namespace {

const ui::Design kComponents[] = {
    {.kind = ui::Kind::Edit, .name = "Edit1", .left = 10, .top = 10, .width = 100, .height = 21},
    {.kind = ui::Kind::Edit, .name = "Edit2", .left = 10, .top = 40, .width = 100, .height = 21},
    {.kind = ui::Kind::Timer, .name = "Timer1", .enabled = false, .interval = 30},
};

// A window class as the program writes them: handlers put in place by the constructor.
class TestForm : public ui::Form {
public:
    explicit TestForm(const char* name, std::vector<std::string>* log)
        : ui::Form(ui::FormDesign{.name = name, .caption = name, .clientWidth = 200,
                                  .clientHeight = 100},
                   kComponents),
          log_(log) {
        OnCreate = [this] { Log("create"); };
        OnActivate = [this] { Log("activate"); };
        OnDeactivate = [this] { Log("deactivate"); };
    }
    ui::Edit& edit1 = Get<ui::Edit>("Edit1");
    ui::Edit& edit2 = Get<ui::Edit>("Edit2");
    ui::Timer& timer = Get<ui::Timer>("Timer1");

private:
    void Log(const char* what) { log_->push_back(Name() + " " + what); }
    std::vector<std::string>* log_;
};


class ApplicationTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        main = &ui::App().CreateForm<TestForm>("Form1", &log);
        second = &ui::App().CreateForm<TestForm>("Form3", &log);
    }
    static void TearDownTestSuite() { ui::App().DestroyForms(); }
    static std::vector<std::string> log;
    static TestForm* main;
    static TestForm* second;
};

std::vector<std::string> ApplicationTest::log;
TestForm* ApplicationTest::main = nullptr;
TestForm* ApplicationTest::second = nullptr;

TEST_F(ApplicationTest, CreationRunsOnCreateOnceTheHandlersAreSet) {
    EXPECT_EQ(log, (std::vector<std::string>{"Form1 create", "Form3 create"}));
    EXPECT_EQ(ui::App().MainForm(), main);
    // The other forms belong to the main one.
    EXPECT_EQ(GetWindow(second->Handle(), GW_OWNER), main->Handle());
    EXPECT_EQ(GetWindow(main->Handle(), GW_OWNER), nullptr);
}

// Activation events come from switching between forms; a window of another kind (a
// message box, say) taking the activation leaves the form's state alone.
TEST_F(ApplicationTest, ActivationBetweenFormsOnly) {
    UndisturbedInForeground([] {
        second->Hide();
        main->Show();
        main->SetFocus();
        PumpFor(50);
        log.clear();
        second->Show();
        PumpFor(50);
        if (!StillForeground()) return false;
        EXPECT_EQ(log, (std::vector<std::string>{"Form1 deactivate", "Form3 activate"}));

        log.clear();
        HWND popup = CreateWindowExW(0, L"STATIC", L"box", WS_POPUP | WS_VISIBLE | WS_CAPTION,
                                     0, 0, 100, 50, second->Handle(), nullptr, nullptr, nullptr);
        SetActiveWindow(popup);
        PumpFor(50);
        SetActiveWindow(second->Handle());
        PumpFor(50);
        DestroyWindow(popup);
        if (!StillForeground()) return false;
        EXPECT_EQ(log, std::vector<std::string>{});

        log.clear();
        main->SetFocus();
        PumpFor(50);
        if (!StillForeground()) return false;
        EXPECT_EQ(log, (std::vector<std::string>{"Form3 deactivate", "Form1 activate"}));
        second->Hide();
        return true;
    });
}

// Focus given to a control of a form that is not active waits for the form's activation.
TEST_F(ApplicationTest, FocusWaitsForTheFormsActivation) {
    UndisturbedInForeground([] {
        second->Hide();
        main->Show();
        main->SetFocus();
        main->edit1.SetFocus();
        PumpFor(30);
        if (!StillForeground()) return false;
        EXPECT_EQ(GetFocus(), main->edit1.Handle());
        second->edit2.SetFocus();
        EXPECT_EQ(GetFocus(), main->edit1.Handle());
        second->Show();
        PumpFor(50);
        if (!StillForeground()) return false;
        EXPECT_EQ(GetFocus(), second->edit2.Handle());
        // Back on the main form, its own last control has the focus again.
        main->SetFocus();
        PumpFor(50);
        if (!StillForeground()) return false;
        EXPECT_EQ(GetFocus(), main->edit1.Handle());
        second->Hide();
        return true;
    });
}

TEST_F(ApplicationTest, ShowModalDisablesTheOthersUntilAResult) {
    main->Show();
    struct Case {
        bool close;
        int result;
    };
    for (const Case& c : {Case{false, IDOK}, Case{true, IDCANCEL}}) {
        bool mainEnabledMeanwhile = true;
        second->timer.OnTimer = [&] {
            second->timer.SetEnabled(false);
            mainEnabledMeanwhile = IsWindowEnabled(main->Handle());
            if (c.close)
                second->Close();
            else
                second->SetModalResult(IDOK);
        };
        second->timer.SetEnabled(true);
        EXPECT_EQ(second->ShowModal(), c.result);
        EXPECT_FALSE(mainEnabledMeanwhile);
        EXPECT_TRUE(IsWindowEnabled(main->Handle()));
        EXPECT_FALSE(second->Visible());
    }
}

// While a modal step is open a close request and the timers wait: the close is done, and a
// one-shot timer fires once, when the step has ended.
TEST_F(ApplicationTest, CloseRequestsAndTimersWaitForTheModalStep) {
    second->Show();
    int ticks = 0;
    second->timer.OnTimer = [&] {
        second->timer.SetEnabled(false);
        ++ticks;
    };
    {
        ui::ModalStep step;
        EXPECT_TRUE(ui::ModalStepOpen());
        second->timer.SetEnabled(true);
        SendMessageW(second->Handle(), WM_CLOSE, 0, 0);
        PostMessageW(second->Handle(), WM_CLOSE, 0, 0);
        PumpFor(200);
        EXPECT_TRUE(second->Visible());
        EXPECT_EQ(ticks, 0);
    }
    PumpUntil([&] { return !second->Visible() && ticks > 0; }, 2000);
    PumpFor(100);
    EXPECT_FALSE(second->Visible());
    EXPECT_EQ(ticks, 1);
    second->timer.OnTimer = nullptr;
}

// A close request that arrives while the form is already asking (its question pumps
// messages) is the same request, not a second question or a second close.
TEST_F(ApplicationTest, ACloseRequestWhileClosingIsTheSameRequest) {
    second->Show();
    int asked = 0;
    int closed = 0;
    second->OnCloseQuery = [&](bool&) {
        ++asked;
        SendMessageW(second->Handle(), WM_CLOSE, 0, 0);
    };
    second->OnClose = [&](ui::CloseAction&) {
        ++closed;
        SendMessageW(second->Handle(), WM_CLOSE, 0, 0);
    };
    second->Close();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(second->Visible());
    second->OnCloseQuery = nullptr;
    second->OnClose = nullptr;
}

// The end of the Windows session never runs over a box: it is refused while a step is open,
// and otherwise asked as a close is.
TEST_F(ApplicationTest, TheSessionEndIsAskedLikeACloseAndWaitsForAModalStep) {
    bool answer = false;
    int asked = 0;
    main->OnCloseQuery = [&](bool& canClose) {
        ++asked;
        canClose = answer;
    };
    {
        ui::ModalStep step;
        EXPECT_EQ(SendMessageW(main->Handle(), WM_QUERYENDSESSION, 0, 0), FALSE);
        EXPECT_EQ(asked, 0);
    }
    EXPECT_EQ(SendMessageW(main->Handle(), WM_QUERYENDSESSION, 0, 0), FALSE);
    answer = true;
    EXPECT_EQ(SendMessageW(main->Handle(), WM_QUERYENDSESSION, 0, 0), TRUE);
    EXPECT_EQ(asked, 2);
    // A session that goes on after all closes nothing.
    SendMessageW(main->Handle(), WM_ENDSESSION, FALSE, 0);
    EXPECT_FALSE(ui::App().Terminated());
    main->OnCloseQuery = nullptr;
}

// A box leaves its owner to the system and disables the program's other windows until it
// has been answered.
TEST_F(ApplicationTest, ABoxDisablesTheOtherWindowsWhileItIsOpen) {
    main->Show();
    second->Show();
    ui::ScriptedDialogs dialogs;
    bool mainEnabled = false, secondEnabled = true, open = false;
    dialogs.whileOpen = [&] {
        open = ui::ModalStepOpen();
        mainEnabled = IsWindowEnabled(main->Handle());
        secondEnabled = IsWindowEnabled(second->Handle());
    };
    ui::ShowMessageBoxOwnedBy(main->Handle(), "?", "Velmorant", MB_OK);
    EXPECT_TRUE(open);
    EXPECT_TRUE(mainEnabled);
    EXPECT_FALSE(secondEnabled);
    EXPECT_TRUE(IsWindowEnabled(second->Handle()));
    EXPECT_FALSE(ui::ModalStepOpen());
    second->Hide();
}

// Closing a secondary form hides it; closing the main form ends the message loop. (Last:
// the loop ends once per run.)
TEST_F(ApplicationTest, ClosingTheMainFormEndsTheLoop) {
    main->Show();
    second->Show();
    int ticks = 0;
    main->timer.OnTimer = [&] {
        if (++ticks == 1) {
            second->Close();
            EXPECT_FALSE(second->Visible());
            EXPECT_FALSE(ui::App().Terminated());
        } else {
            main->timer.SetEnabled(false);
            main->Close();
        }
    };
    main->timer.SetEnabled(true);
    ui::App().Run();
    EXPECT_EQ(ticks, 2);
    EXPECT_TRUE(ui::App().Terminated());
}

}  // namespace
