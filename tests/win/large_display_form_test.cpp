#include "monitor/win/large_display_form.h"

#include <gtest/gtest.h>

#include "monitor/core/settings_file.h"
#include "tests/win/display_windows_support.h"
#include "ui/image.h"

using namespace velmorant;
using namespace velmorant::test;

namespace {

class LargeDisplayTest : public DisplayWindowsTest {
protected:
    ui::Colour LampFill(int image) {
        return large->Get<ui::Image>("Image" + std::to_string(image)).Picture().Pixel(4, 20);
    }
};

// Whether any pixel of the rectangle has the colour.
bool AnyPixel(const ui::Bitmap& b, RECT r, ui::Colour colour) {
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (b.Pixel(x, y) == colour) return true;
    return false;
}

}  // namespace

// The two lamps: a black frame round lime or red, with a black character where the text is.
TEST_F(LargeDisplayTest, LampBitmaps) {
    struct Case {
        const ui::Bitmap* lamp;
        ui::Colour face;
    };
    for (const Case c :
         {Case{LampOnBitmap.get(), ui::kLime}, Case{LampOffBitmap.get(), ui::kRed}}) {
        ASSERT_NE(c.lamp, nullptr);
        EXPECT_EQ(c.lamp->Width(), 41);
        EXPECT_EQ(c.lamp->Height(), 25);
        for (POINT p : {POINT{0, 0}, POINT{40, 0}, POINT{0, 24}, POINT{40, 24}, POINT{20, 24}})
            EXPECT_EQ(c.lamp->Pixel(p.x, p.y), ui::kBlack) << p.x << "," << p.y;
        for (POINT p : {POINT{1, 1}, POINT{39, 23}, POINT{8, 12}, POINT{36, 12}})
            EXPECT_EQ(c.lamp->Pixel(p.x, p.y), c.face) << p.x << "," << p.y;
        EXPECT_TRUE(AnyPixel(*c.lamp, RECT{16, 3, 32, 23}, ui::kBlack));
        EXPECT_FALSE(AnyPixel(*c.lamp, RECT{1, 1, 15, 24}, ui::kBlack));
    }
}

// The menu command puts the large display in the main window's place with the current frame;
// its lamps are lime for a set flag and red for a clear one; Esc gives the place back.
TEST_F(LargeDisplayTest, ShowsTheCurrentFrameInTheMainWindowsPlace) {
    std::vector<RecordedFrame> frames(2);
    frames[1].DataBytes = {80, 63, 0, 241, 21, 237, 80, 60, 26, 128};
    frames[1].Byte11Bits = {1, 0, 0, 0, 1, 0, 1, 0};  // 11.0, 11.4 and 11.6 set
    frames[1].Byte12Bits = {0, 1, 0, 0, 0, 0, 0, 1};  // 12.1 and 12.7 set
    Load(frames);
    MainBar().SetPosition(2);
    main->Get<ui::MenuItem>("N31").Click();
    EXPECT_FALSE(Showing(main));
    EXPECT_TRUE(Showing(large));
    EXPECT_EQ(LargeLabel(11), "10.000 msec");
    EXPECT_EQ(LargeLabel(12), "-0.4 deg.");
    EXPECT_EQ(LargeLabel(14), "6025 rpm");
    EXPECT_EQ(LargeLabel(16), "99.0 deg.C");
    EXPECT_EQ(LargeLabel(18), "60 km/h");
    EXPECT_EQ(LargeLabel(34), "2 / 2");
    EXPECT_EQ(LargeLabel(36), "26.51l/h");
    EXPECT_EQ(LargeLabel(37), "44.2l/100km");
    // Image1..12: 11.0, 11.1, 11.4, 11.5, 11.6, 12.0, 12.1, 12.2, 12.3, 12.4, 12.5, 12.7.
    const bool lit[] = {true, false, true,  false, true,  false,
                        true, false, false, false, false, true};
    for (int j = 1; j <= 12; ++j)
        EXPECT_EQ(LampFill(j), lit[j - 1] ? ui::kLime : ui::kRed) << "Image" << j;

    PostMessageW(large->Edit1().Handle(), WM_CHAR, VK_ESCAPE, 1);
    PumpFor(50);
    EXPECT_FALSE(Showing(large));
    EXPECT_TRUE(Showing(main));
    EXPECT_EQ(main->Get<ui::ListView>("ListView2").ItemCaption(4), "6025 rpm");
}

// Opening the large display hides the charts and help windows; closing it brings the main
// window back at once and the hidden windows with the main window's 250 ms step.
TEST_F(LargeDisplayTest, HidesTheChartsAndHelpWindowsUntilTheMainWindowIsBack) {
    PumpFor(300);  // the start-up step after the main window's first showing
    Forms.Form3->Show();
    Forms.Form4->Show();
    main->N31Click();
    EXPECT_FALSE(Forms.Form3->Visible());
    EXPECT_FALSE(Forms.Form4->Visible());
    PumpFor(400);
    EXPECT_FALSE(Forms.Form3->Visible());

    large->Close();
    EXPECT_TRUE(Showing(main));
    EXPECT_FALSE(Forms.Form3->Visible());
    PumpFor(400);
    EXPECT_TRUE(Showing(Forms.Form3));
    EXPECT_TRUE(Showing(Forms.Form4));
}

// Only what this showing of a display window hid comes back with the main window: a charts
// or help window the user closed before, or after it came back, stays closed, also when the
// main window is shown again later (as the cable check gives its place back). The exit
// writes the windows open then.
TEST_F(LargeDisplayTest, OnlyWhatThisShowingHidComesBack) {
    struct Case {
        const char* what;
        bool help;   // the help window, else the charts window
        bool drive;  // through the driving-parameters window, else the large display
    };
    const Case cases[] = {
        {"charts, large display", false, false},
        {"help, large display", true, false},
        {"charts, driving window", false, true},
        {"help, driving window", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ui::Form* window = c.help ? Forms.Form4 : Forms.Form3;
        ui::Form* display = c.drive ? static_cast<ui::Form*>(driving) : large;
        auto showDisplayAndBack = [&] {
            c.drive ? main->N10Click() : main->N31Click();
            ASSERT_TRUE(Showing(display));
            EXPECT_FALSE(Showing(window));
            display->Close();
            ASSERT_TRUE(Showing(main));
            PumpFor(400);
        };
        if (!main->StartupDone()) {
            // Open at the last exit: the start-up step opens it.
            (c.help ? ProgramSettings.Metodika : ProgramSettings.Graphs) = true;
            PumpFor(400);
            ASSERT_TRUE(main->StartupDone());
        } else {
            c.help ? main->N9Click() : main->N8Click();
        }
        ASSERT_TRUE(Showing(window));
        showDisplayAndBack();
        EXPECT_TRUE(Showing(window)) << "hidden by the display";

        window->Close();
        showDisplayAndBack();
        EXPECT_FALSE(Showing(window)) << "closed before the display";

        c.help ? main->N9Click() : main->N8Click();
        showDisplayAndBack();
        ASSERT_TRUE(Showing(window));
        window->Close();
        main->Hide();
        main->Show();
        PumpFor(400);
        EXPECT_FALSE(Showing(window)) << "closed after it came back";
    }
    // The charts window came back, the help window was closed: so says the exit.
    main->N8Click();
    main->N9Click();
    Forms.Form4->Close();
    main->N31Click();
    large->Close();
    PumpFor(400);
    main->FormClose();
    const Settings written = ReadSettings(env.SettingsFile());
    EXPECT_TRUE(written.Graphs);
    EXPECT_FALSE(written.Metodika);
}

// Moving the large display's bar moves the main position and shows that frame; the driving
// window's bar follows, and it opens at that frame where the large display was.
TEST_F(LargeDisplayTest, ItsScrollBarMovesTheMainPositionAndTheDrivingWindowsBar) {
    LoadNumbered(10);
    main->N31Click();
    EXPECT_EQ(large->ScrollBar1().Max(), 10);
    EXPECT_EQ(large->ScrollBar1().Position(), 5);
    large->ScrollBar1().SetPosition(8);
    EXPECT_EQ(MainBar().Position(), 8);
    EXPECT_EQ(LargeLabel(14), "200 rpm");
    EXPECT_EQ(LargeLabel(34), "8 / 10");
    EXPECT_EQ(LampFill(1), ui::kLime);
    large->ScrollBar1().SetPosition(7);
    EXPECT_EQ(LampFill(1), ui::kRed);
    EXPECT_EQ(driving->ScrollBar1().Position(), 7);
    EXPECT_EQ(driving->ScrollBar1().Max(), 10);

    large->SetLeft(140);
    large->SetTop(70);
    main->N10Click();
    EXPECT_FALSE(large->Visible());
    EXPECT_TRUE(Showing(driving));
    EXPECT_EQ(driving->ScrollBar1().Position(), 7);
    EXPECT_EQ(DrivingLabel(6), "7 / 10");
    EXPECT_EQ(driving->Left(), 140);
    EXPECT_EQ(driving->Top(), 70);
}

// While hidden the display keeps what it showed; a bar set from code on the hidden window
// moves nothing else.
TEST_F(LargeDisplayTest, HiddenWindowChangesNothing) {
    LoadNumbered(10);
    main->N31Click();
    large->Close();
    MainBar().SetPosition(9);
    EXPECT_EQ(LargeLabel(34), "5 / 10");
    large->ScrollBar1().SetPosition(2);
    EXPECT_EQ(MainBar().Position(), 9);
    EXPECT_EQ(driving->ScrollBar1().Position(), 9);
}

// Shown during a reading, the window shows the newest frame at once, not what it showed of
// the record that Read cleared; its bar, the driving window's too, is at the newest frame.
TEST_F(LargeDisplayTest, ShowingDuringAReadingShowsTheNewestFrame) {
    LoadNumbered(10);
    main->N31Click();
    large->Close();
    ASSERT_EQ(LargeLabel(34), "5 / 10");
    Read(3);
    EXPECT_EQ(large->ScrollBar1().Position(), 3);
    EXPECT_EQ(driving->ScrollBar1().Position(), 3);
    EXPECT_EQ(driving->ScrollBar1().Max(), 3);
    main->N31Click();
    EXPECT_EQ(LargeLabel(14), "1050 rpm");
    EXPECT_EQ(LargeLabel(34), "3 / 3");
    main->Timer1Timer();  // the next frame stored: the last one's bits again
    EXPECT_EQ(LargeLabel(14), "1050 rpm");
    EXPECT_EQ(LargeLabel(34), "4 / 4");
    EXPECT_EQ(large->ScrollBar1().Position(), 4);
    EXPECT_EQ(driving->ScrollBar1().Position(), 4);
}

// The Read button runs the main window's Read/Stop and follows its caption; the information
// line is copied; playback from either window captions all three playback buttons.
TEST_F(LargeDisplayTest, ReadAndPlaybackButtonsRunTheMainWindowsHandlers) {
    EXPECT_EQ(large->Edit1().Text(), "No data");
    main->N31Click();
    line.events = SynthesizeStream(std::vector<EcuFrame>(2), {});
    large->Button2().Click();
    EXPECT_FALSE(main->ReadingStopped());
    EXPECT_EQ(large->Button2().Caption(), "Stop");
    EXPECT_EQ(large->Edit1().Text(), "Reading...");
    large->Button2().Click();
    EXPECT_TRUE(main->ReadingStopped());
    EXPECT_EQ(large->Button2().Caption(), "Read");
    EXPECT_EQ(large->Edit1().Text(), "Reading stopped...");
    large->Close();

    LoadNumbered(6);
    EXPECT_EQ(large->Edit1().Text(), "Data from: display.vmr");
    main->N31Click();
    large->Button3().Click();
    EXPECT_EQ(large->Edit1().Text(), "Playback of data");
    for (ui::Button* b :
         {&main->Get<ui::Button>("Button6"), &large->Button3(), &driving->Button6()})
        EXPECT_EQ(b->Caption(), "||");
    main->Timer4Timer();
    EXPECT_EQ(large->ScrollBar1().Position(), 4);
    EXPECT_EQ(LargeLabel(34), "4 / 6");
    driving->Button6Click();
    EXPECT_EQ(large->Edit1().Text(), "Playback is stopped");
    for (ui::Button* b :
         {&main->Get<ui::Button>("Button6"), &large->Button3(), &driving->Button6()})
        EXPECT_EQ(b->Caption(), ">");
}

// Shutdown frees the lamps; a frame drawn afterwards leaves the lamps as they were.
TEST_F(LargeDisplayTest, ShutdownFreesTheLamps) {
    main->N31Click();
    main->FormClose();
    EXPECT_EQ(LampOnBitmap, nullptr);
    EXPECT_EQ(LampOffBitmap, nullptr);
    large->Draw1("Image1");
    EXPECT_EQ(LampFill(1), ui::kRed);
}
