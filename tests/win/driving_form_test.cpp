#include "monitor/win/driving_form.h"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <thread>

#include "gauges/kro_digit.h"
#include "gauges/kro_led.h"
#include "gauges/kro_tacho.h"
#include "monitor/core/settings_file.h"
#include "tests/win/display_windows_support.h"
#include "tests/win/work_area.h"

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
// and brings the main window back, its list showing the frame the driving window was moved to.
TEST_F(DrivingFormTest, LosingTheActivationGivesThePlaceBack) {
    LoadNumbered(10);
    PumpFor(300);  // the start-up step after the main window's first showing
    auto shownFrame = [&] { return main->Get<ui::ListView>("ListView2").ItemCaption(26); };
    Undisturbed([&] {
        main->N10Click();
        PumpFor(50);
        if (!StillForeground() || !driving->Active()) return false;
        driving->ScrollBar1().SetPosition(8);
        Forms.Form5->Show();
        PumpFor(50);
        EXPECT_FALSE(Showing(driving));
        EXPECT_TRUE(Showing(main));
        EXPECT_EQ(shownFrame(), "8 / 10");
        Forms.Form5->Hide();
        return true;
    });
    Undisturbed([&] {
        main->N10Click();
        PumpFor(50);
        if (!StillForeground() || !driving->Active()) return false;
        driving->ScrollBar1().SetPosition(3);
        {
            OtherThreadWindow other;
            PumpFor(100);
        }
        EXPECT_FALSE(Showing(driving));
        EXPECT_TRUE(Showing(main));
        EXPECT_EQ(shownFrame(), "3 / 10");
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

// A shared place wholly on the screen for the window shown is kept exactly: at the bottom
// of the screen only the taller driving window moves up, as far as it must, and the large
// display never takes that fitted place, whether the driving window was shown before it or
// not. The exit writes the stored place unchanged.
TEST_F(DrivingFormTest, APlaceThatFitsStaysExactForTheWindowShown) {
    const RECT work = PrimaryWorkArea();
    ASSERT_GT(driving->Height(), large->Height());
    const int left = work.left + 200;
    const int top = work.bottom - large->Height();  // the large display just fits
    const POINT largeAt{left, top};
    const POINT drivingAt{left, work.bottom - driving->Height()};
    struct Case {
        const char* what;
        std::vector<ui::Form*> shown;  // in this order, each through its menu command
    };
    const Case cases[] = {
        {"the large display alone", {large}},
        {"the driving window, then the large display", {driving, large}},
        {"large, driving, large", {large, driving, large}},
        {"the driving window alone", {driving}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Settings stored;
        stored.FormPos[7] = {left, top};
        PlaceWindows(*main, stored);  // as a reading of the settings file does
        for (ui::Form* shown : c.shown) {
            const bool isDriving = shown == driving;
            isDriving ? main->N10Click() : main->N31Click();
            ASSERT_TRUE(Showing(shown));
            const POINT want = isDriving ? drivingAt : largeAt;
            EXPECT_EQ(shown->Left(), want.x) << (isDriving ? "driving" : "large");
            EXPECT_EQ(shown->Top(), want.y) << (isDriving ? "driving" : "large");
            EXPECT_TRUE(WhollyOn(work, WindowRectOf(shown->Handle())));
            shown->Close();
        }
        main->SaveSettings();
        const WindowPosition written = ReadSettings(env.SettingsFile()).FormPos[7].value();
        EXPECT_EQ(written.X, left);
        EXPECT_EQ(written.Y, top);
    }
}

// During a reading the bar follows every stored frame, so the window opens at the newest
// one and shows it, not what it showed of the record that Read cleared.
TEST_F(DrivingFormTest, DuringAReadingTheBarFollowsTheNewestFrame) {
    LoadNumbered(10);
    main->N10Click();
    driving->Close();
    ASSERT_EQ(DrivingLabel(6), "5 / 10");
    Read(3);
    EXPECT_EQ(driving->ScrollBar1().Max(), 3);
    EXPECT_EQ(driving->ScrollBar1().Position(), 3);
    main->N10Click();
    EXPECT_EQ(driving->ScrollBar1().Position(), 3);
    EXPECT_EQ(DrivingLabel(6), "3 / 3");
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

namespace {

struct GaugeCase {
    const char* what;
    std::array<std::uint8_t, 10> bytes;
    std::array<std::uint8_t, 8> byte11;
    double tacho1;
    ui::Colour tacho1Colour;
    double tacho3;
    ui::Colour tacho3Colour;
    gauges::DigitValue digit3;
    double tacho4;
    gauges::DigitValue digit4;
    double tacho8;
    ui::Colour tacho8Colour;
    std::array<ui::Colour, 4> leds;  // KroLED1..KroLED4
};

constexpr std::array<std::uint8_t, 8> kAllFlags = {1, 1, 1, 1, 1, 1, 1, 1};
constexpr std::array<std::uint8_t, 8> kNoFlags = {};
constexpr ui::Colour kBlue = 0xFF0000, kYellow = 0x00FFFF, kRed = 0x0000FF, kGreen = 0x008000,
                     kGrey = 0x808080;
constexpr std::array<ui::Colour, 4> kGreyLeds = {kGrey, kGrey, kGrey, kGrey};

// Bytes: injection, ignition, valve, speed, intake, coolant, throttle, vehicle speed, air/fuel.
// clang-format off
const GaugeCase kGaugeCases[] = {
    // Fuel 13.2 l/h at 60 km/h: 22 l/100 km, past the fuel gauge's maximum.
    {"6000 rpm", {40, 0, 0, 240, 21, 237, 0, 60, 0, 0}, kNoFlags,
     6000, kBlue, 99, kGreen, 99.0, 102.606, 102.606, 20, kRed, kGreyLeds},
    {"6025 rpm", {40, 0, 0, 241, 21, 237, 0, 60, 0, 0}, kNoFlags,
     6025, kYellow, 99, kGreen, 99.0, 102.606, 102.606, 20, kRed, kGreyLeds},
    // Standing: the fuel gauge shows 1.76 l/h rounded up.
    {"coolant 103.0", {40, 0, 0, 32, 20, 238, 0, 0, 0, 0}, kAllFlags,
     800, kBlue, 103, kRed, 103.0, 100, std::int32_t{0}, 2, kBlue, {kRed, kRed, kGreen, kRed}},
    {"coolant 82.1", {40, 0, 0, 32, 20, 229, 0, 1, 0, 0}, kNoFlags,
     800, kBlue, 82.1, kGreen, 82.1, 100, std::int32_t{0}, 20, kRed, kGreyLeds},
    // 2.93 l/100 km rounded up.
    {"coolant 80.0", {40, 0, 0, 32, 20, 228, 0, 60, 0, 0}, kNoFlags,
     800, kBlue, 80, kBlue, 80.0, 100, std::int32_t{0}, 3, kBlue, kGreyLeds},
    {"engine stopped", {255, 0, 0, 0, 21, 238, 0, 0, 0, 0}, kAllFlags,
     0, kBlue, 40, kBlue, std::int32_t{0}, 102.606, 102.606, 0, kBlue, kGreyLeds},
    {"standing, much fuel", {255, 0, 0, 255, 0, 237, 0, 0, 0, 0}, kNoFlags,
     6375, kYellow, 99, kGreen, 99.0, 100, std::int32_t{0}, 20, kRed, kGreyLeds},
};
// clang-format on

}  // namespace

// The frame display's table through the real window: gauge positions and pointer colours,
// digits (an integer 0 where the gauge rests, a real otherwise) and lamps lit only while the
// engine turns.
TEST_F(DrivingFormTest, GaugesDigitsAndLampsOfAFrame) {
    std::vector<RecordedFrame> frames;
    for (const GaugeCase& c : kGaugeCases) {
        RecordedFrame f;
        f.DataBytes = c.bytes;
        f.Byte11Bits = c.byte11;
        frames.push_back(f);
    }
    Load(frames);
    main->N10Click();
    int k = 0;
    for (const GaugeCase& c : kGaugeCases) {
        SCOPED_TRACE(c.what);
        driving->ScrollBar1().SetPosition(++k);
        ASSERT_EQ(MainBar().Position(), k);
        auto& tacho1 = driving->Get<gauges::TKroTacho>("KroTacho1");
        auto& tacho3 = driving->Get<gauges::TKroTacho>("KroTacho3");
        auto& tacho4 = driving->Get<gauges::TKroTacho>("KroTacho4");
        auto& tacho8 = driving->Get<gauges::TKroTacho>("KroTacho8");
        EXPECT_EQ(tacho1.Position(), c.tacho1);
        EXPECT_EQ(tacho1.PointerColor(), c.tacho1Colour);
        EXPECT_NEAR(tacho3.Position(), c.tacho3, 1e-9);
        EXPECT_EQ(tacho3.PointerColor(), c.tacho3Colour);
        EXPECT_NEAR(tacho4.Position(), c.tacho4, 1e-9);
        EXPECT_EQ(tacho8.Position(), c.tacho8);
        EXPECT_EQ(tacho8.PointerColor(), c.tacho8Colour);
        EXPECT_EQ(driving->Get<gauges::TKroDigit>("KroTacho1Digit").Value(),
                  gauges::DigitValue{c.tacho1});
        EXPECT_EQ(driving->Get<gauges::TKroDigit>("KroTacho3Digit").Value(), c.digit3);
        EXPECT_EQ(driving->Get<gauges::TKroDigit>("KroTacho4Digit").Value(), c.digit4);
        for (int n = 1; n <= 4; ++n)
            EXPECT_EQ(driving->Get<gauges::TKroLED>("KroLED" + std::to_string(n)).Color(),
                      c.leds[n - 1])
                << "KroLED" << n;
    }
}

// The gauges as the window creates them: ranges, intervals, pins, blue needles, start
// positions; then the throttle, ignition, valve and speed gauges of a frame.
TEST_F(DrivingFormTest, GaugeDesignAndTheSmallGauges) {
    struct Design {
        const char* name;
        double min, max;
        int intervals, pin;
        double start;
    };
    const Design designs[] = {
        {"KroTacho1", 0, 8000, 8, 10, 0},  {"KroTacho2", 0, 180, 9, 10, 0},
        {"KroTacho3", 40, 120, 8, 5, 40},  {"KroTacho4", 100, 800, 7, 5, 100},
        {"KroTacho5", 0, 40, 8, 5, 0},     {"KroTacho6", 30, 60, 6, 5, 30},
        {"KroTacho7", -30, 60, 6, 5, -30}, {"KroTacho8", 0, 20, 10, 5, 0},
    };
    for (const Design& d : designs) {
        SCOPED_TRACE(d.name);
        auto& t = driving->Get<gauges::TKroTacho>(d.name);
        EXPECT_EQ(t.MinValue(), d.min);
        EXPECT_EQ(t.MaxValue(), d.max);
        EXPECT_EQ(t.NumberOfIntervals(), d.intervals);
        EXPECT_EQ(t.PinRadius(), d.pin);
        EXPECT_EQ(t.Position(), d.start);
        EXPECT_EQ(t.PointerColor(), ui::kBlue);
        EXPECT_EQ(t.PointerType(), gauges::TZeigerform::zfNadel);
        EXPECT_EQ(t.PinColor(), ui::kNavy);
    }
    EXPECT_EQ(driving->Get<gauges::TKroDigit>("KroTacho1Digit").DigitCount(), 4);
    EXPECT_EQ(driving->Get<gauges::TKroDigit>("KroTacho2Digit").DigitCount(), 3);

    RecordedFrame f;
    f.DataBytes = {0, 63, 255, 40, 0, 0, 80, 60, 0, 0};
    Load({f});
    main->N10Click();
    EXPECT_NEAR(driving->Get<gauges::TKroTacho>("KroTacho7").Position(), -0.39, 1e-9);
    EXPECT_EQ(driving->Get<gauges::TKroTacho>("KroTacho6").Position(), 60);  // 100 %, held
    EXPECT_EQ(driving->Get<gauges::TKroTacho>("KroTacho5").Position(), 40);
    EXPECT_EQ(driving->Get<gauges::TKroTacho>("KroTacho2").Position(), 60);
    EXPECT_EQ(driving->Get<gauges::TKroDigit>("KroTacho2Digit").Value(), gauges::DigitValue{60.0});
}
