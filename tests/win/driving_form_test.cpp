#include "monitor/win/driving_form.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "tests/win/display_windows_support.h"

using namespace velmorant;
using namespace velmorant::test;

namespace {

using DrivingFormTest = DisplayWindowsTest;

// A top-level window of another thread, as another program's window is to ours: activating
// it takes the activation away from the whole program.
class OtherThreadWindow {
public:
    OtherThreadWindow() {
        thread_ = std::thread([this] {
            window_ = CreateWindowExW(0, L"STATIC", L"Other program", WS_OVERLAPPEDWINDOW, 600, 600,
                                      200, 100, nullptr, nullptr, nullptr, nullptr);
            ShowWindow(window_, SW_SHOW);
            SetForegroundWindow(window_);
            SetActiveWindow(window_);
            threadId_ = GetCurrentThreadId();
            ready_ = true;
            MSG msg;
            while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
            DestroyWindow(window_);
        });
        while (!ready_) Sleep(1);
    }
    ~OtherThreadWindow() {
        PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
        thread_.join();
    }

private:
    std::thread thread_;
    std::atomic<bool> ready_{false};
    HWND window_ = nullptr;
    std::atomic<DWORD> threadId_{0};
};

}  // namespace

// "Driving Parameters" puts the window in the main window's place with the current frame's
// counter and fuel labels; Esc gives the place back.
TEST_F(DrivingFormTest, TakesTheMainWindowsPlaceUntilEsc) {
    LoadNumbered(10);
    main->Get<ui::MenuItem>("N10").Click();
    EXPECT_TRUE(Showing(driving));
    EXPECT_FALSE(Showing(main));
    EXPECT_EQ(DrivingLabel(6), "5 / 10");
    EXPECT_EQ(DrivingLabel(12), "0.00");
    EXPECT_EQ(DrivingLabel(13), "999.0");
    EXPECT_EQ(driving->ScrollBar1().Position(), 5);
    EXPECT_EQ(driving->ScrollBar1().Max(), 10);

    driving->ScrollBar1().SetPosition(9);
    EXPECT_EQ(MainBar().Position(), 9);
    EXPECT_EQ(large->ScrollBar1().Position(), 9);
    EXPECT_EQ(DrivingLabel(6), "9 / 10");

    PostMessageW(driving->ScrollBar1().Handle(), WM_CHAR, VK_ESCAPE, 1);
    PumpFor(50);
    EXPECT_FALSE(Showing(driving));
    EXPECT_TRUE(Showing(main));
    EXPECT_EQ(main->Get<ui::ListView>("ListView2").ItemCaption(26), "9 / 10");
}

// Activating another of the program's windows, or another program, hides the driving window
// and brings the main window back.
TEST_F(DrivingFormTest, LosingTheActivationGivesThePlaceBack) {
    PumpFor(300);  // the start-up step after the main window's first showing
    Undisturbed([&] {
        main->N10Click();
        PumpFor(50);
        if (!StillForeground() || !driving->Active()) return false;
        Forms.Form5->Show();
        PumpFor(50);
        EXPECT_FALSE(Showing(driving));
        EXPECT_TRUE(Showing(main));
        Forms.Form5->Hide();
        return true;
    });
    Undisturbed([&] {
        main->N10Click();
        PumpFor(50);
        if (!StillForeground() || !driving->Active()) return false;
        {
            OtherThreadWindow other;
            PumpFor(100);
        }
        EXPECT_FALSE(Showing(driving));
        EXPECT_TRUE(Showing(main));
        return true;
    });
}

// The two windows share one place: the large display opens where the driving window was.
TEST_F(DrivingFormTest, TheLargeDisplayOpensWhereTheDrivingWindowWas) {
    main->N10Click();
    driving->SetLeft(150);
    driving->SetTop(60);
    driving->Close();
    main->N31Click();
    EXPECT_EQ(large->Left(), 150);
    EXPECT_EQ(large->Top(), 60);
}

// During a reading the bar follows every stored frame, so the window opens at the newest
// one, and showing it draws nothing until the next frame is stored.
TEST_F(DrivingFormTest, DuringAReadingTheBarFollowsTheNewestFrame) {
    Read(3);
    EXPECT_EQ(driving->ScrollBar1().Max(), 3);
    EXPECT_EQ(driving->ScrollBar1().Position(), 3);
    main->N10Click();
    EXPECT_EQ(driving->ScrollBar1().Position(), 3);
    EXPECT_EQ(DrivingLabel(6), "1/1");
    main->Timer1Timer();
    EXPECT_EQ(driving->ScrollBar1().Position(), 4);
    EXPECT_EQ(DrivingLabel(6), "4 / 4");
    EXPECT_EQ(MainBar().Position(), 4);
}

// The playback button runs the main window's playback and takes the main button's caption
// whenever the window is shown.
TEST_F(DrivingFormTest, PlaybackButton) {
    LoadNumbered(6);
    main->Button6Click();
    driving->Button6().SetCaption("?");
    main->N10Click();
    EXPECT_EQ(driving->Button6().Caption(), "||");
    driving->Button6().Click();
    EXPECT_EQ(MainStatus(), "Playback is stopped");
    EXPECT_EQ(driving->Button6().Caption(), ">");
    EXPECT_EQ(main->Get<ui::Button>("Button6").Caption(), ">");
}
