#include "monitor/win/charts_form.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "monitor/core/chart_math.h"
#include "monitor/core/chart_parameters.h"
#include "monitor/core/settings_file.h"
#include "monitor/win/car_form.h"
#include "monitor/win/main_form.h"
#include "monitor/win/program_forms.h"
#include "monitor/win/program_state.h"
#include "tests/support/ecu_stream.h"
#include "tests/win/default_chart_support.h"
#include "tests/win/program_folder.h"
#include "tests/win/pump.h"
#include "tests/win/recording_support.h"
#include "tests/win/scripted_line.h"
#include "ui/application.h"
#include "ui/label.h"
#include "ui/menu.h"
#include "ui/scripted_dialogs.h"
#include "ui/timer.h"

using namespace velmorant;
using namespace velmorant::test;

namespace {

constexpr ui::Colour kCanvas = 0xFFFFFF;
constexpr ui::Colour kAxes = 0x000000;
constexpr ui::Colour kMarker = 0x808080;
constexpr int kEmpty = kNoCurve;

// The program's windows with a record filled by the test; the charts are drawn on white
// with black axes and a grey marker, line i in colour kLine[i - 1].
class ChartsFormTest : public ::testing::Test {
protected:
    static constexpr ui::Colour kLine[6] = {0x0000FF, 0x008000, 0xFF0000,
                                            0x0080FF, 0x00FF00, 0xC080FF};

    void SetUp() override {
        SetSerialApi(&line);
        main = &CreateProgramForms();
        ProgramSettings.Param.fon = static_cast<std::int32_t>(kCanvas);
        ProgramSettings.Param.axes = static_cast<std::int32_t>(kAxes);
        ProgramSettings.Param.marker = static_cast<std::int32_t>(kMarker);
        for (int i = 0; i < 6; ++i) {
            ProgramSettings.Param.col[i] = static_cast<std::int32_t>(kLine[i]);
            ProgramSettings.Param.Grafik[i] = kEmpty;
        }
        Record = {};
        Frames(1, {});
    }
    void TearDown() override {
        if (CapturePortOpen(CaptureRec)) CloseCapturePort(CaptureRec);
        ui::App().DestroyForms();
        Forms = {};
        SetSerialApi(nullptr);
        ProgramSettings = Settings{};
        RecordUnsaved = false;
        Record = {};
    }

    TForm3& Charts() { return *Forms.Form3; }
    Chart& Drawing() { return Forms.Form3->Charts(); }
    ui::Bitmap& Bitmap() { return *Forms.Form3->ChartBitmap(); }
    ui::ScrollBar& Position() { return main->Get<ui::ScrollBar>("ScrollBar1"); }
    ui::TrackBar& Marker() { return Charts().Get<ui::TrackBar>("TrackBar1"); }
    ui::ScrollBar& WindowStart() { return Charts().Get<ui::ScrollBar>("ScrollBar1"); }
    ui::ComboBox& Zoom() { return Charts().Get<ui::ComboBox>("ComboBox8"); }
    std::string Label(int n) {
        return Charts().Get<ui::Label>("Label" + std::to_string(n)).Caption();
    }
    bool LabelVisible(int n) {
        return Charts().Get<ui::Label>("Label" + std::to_string(n)).Visible();
    }

    // A record of n frames, each filled by `fill` (frame number given), current frame n.
    void Frames(int n, const std::function<void(RecordedFrame&, int)>& fill) {
        for (int k = 1; k <= n; ++k) {
            Record[k] = {};
            if (fill) fill(Record[k], k);
        }
        Position().SetMax(n);
        Position().SetPosition(n);
    }
    // Shows the charts window with line i showing parameter lines[i - 1].
    void Show(std::vector<int> lines, int current = 0) {
        for (std::size_t i = 0; i < lines.size(); ++i) ProgramSettings.Param.Grafik[i] = lines[i];
        if (current > 0) Position().SetPosition(current);
        // Choosing the command again while the window is open only brings it to the front.
        if (IsWindowVisible(Charts().Handle())) Charts().Close();
        main->Get<ui::MenuItem>("N8").Click();
    }
    void SetZoom(const std::string& text) { Zoom().SetText(text); }
    std::vector<ui::Colour> Pixels() {
        std::vector<ui::Colour> all;
        for (int y = 0; y < kChartHeight; ++y)
            for (int x = 0; x < kChartWidth; ++x) all.push_back(Bitmap().Pixel(x, y));
        return all;
    }
    int MarkerColumn() {
        return MarkerX(Marker().Position(), Drawing().ChartFrames(), kChartWidth);
    }

    test::ProgramFolder env{"velmorant_charts_form_test"};
    test::ScriptedLine line;
    ui::ScriptedDialogs dialogs;
    TForm1* main = nullptr;
};

int InjectionRow(int raw) {
    return 199 - static_cast<int>(CeilExact(83 * raw, 100));
}

TEST_F(ChartsFormTest, TheWindowAsDesigned) {
    TForm3& f = Charts();
    EXPECT_EQ(f.Caption(), "Charts");
    EXPECT_EQ(f.ClientWidth(), 747);
    EXPECT_EQ(f.ClientHeight(), 344);
    const RECT image = f.Get<ui::Image>("Image1").Bounds();
    EXPECT_EQ(image.left, 64);
    EXPECT_EQ(image.top, 112);
    EXPECT_EQ(image.right - image.left, 601);
    EXPECT_EQ(image.bottom - image.top, 201);
    EXPECT_EQ(Bitmap().Width(), 601);
    EXPECT_EQ(Bitmap().Height(), 201);
    EXPECT_EQ(f.Get<ui::Image>("Image1").GetPopupMenu(), &f.Get<ui::PopupMenu>("PopupMenu1"));
    EXPECT_EQ(f.Get<ui::MenuItem>("N4").Caption(), "Loading default colors");
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(f.ColourButton(i).Caption(), "Col");
        EXPECT_EQ(f.ColourButton(i).Left(), i <= 3 ? 4 : 364);
        EXPECT_EQ(f.Picker(i).Left(), i <= 3 ? 32 : 392);
        EXPECT_EQ(f.Picker(i).Top(), 4 + 24 * ((i - 1) % 3));
        EXPECT_TRUE(f.Picker(i).GetFont().bold);
        // The parameters and the empty item, so that an index is a chart parameter index.
        EXPECT_EQ(f.Picker(i).ItemCount(), 23);
        EXPECT_EQ(f.Picker(i).Item(22), "");
    }
    EXPECT_TRUE(f.KeyPreview());
}

// Two frames: one segment from the left edge to the right; a window of 2000 frames ends at
// the record's last frame in the last column.
TEST_F(ChartsFormTest, CurveVerticesStandAtTheirColumns) {
    Frames(2, [](RecordedFrame& f, int k) { f.DataBytes[0] = k == 1 ? 0 : 120; });
    Show({0}, 1);
    EXPECT_EQ(Bitmap().Pixel(0, 199), kLine[0]);
    EXPECT_EQ(Bitmap().Pixel(300, 149), kLine[0]);
    EXPECT_EQ(Bitmap().Pixel(600, 99), kLine[0]);
    EXPECT_EQ(Label(15), "30msec");
    EXPECT_EQ(Label(21), "15msec");
    EXPECT_EQ(Label(27), "0msec");
    EXPECT_EQ(Label(9), "0.000 msec.");

    auto raw = [](int k) { return (k * 37) % 200; };
    Frames(2000,
           [&](RecordedFrame& f, int k) { f.DataBytes[0] = static_cast<std::uint8_t>(raw(k)); });
    Show({0}, 1000);
    EXPECT_EQ(Drawing().ChartFrames(), 2000);
    for (int q : {0, 1, 2, 1000, 1998, 1999}) {
        const int x = ChartX(q, 2000, kChartWidth);
        EXPECT_EQ(Bitmap().Pixel(x, InjectionRow(raw(1 + q))), kLine[0]) << "frame " << 1 + q;
    }
    // After a full redraw the pen is solid and one pixel wide.
    EXPECT_EQ(Bitmap().GetCanvas().GetPenStyle(), ui::PenStyle::Solid);
    EXPECT_EQ(Bitmap().GetCanvas().PenWidth(), 1);

    // A window inside the record draws its own frames only: a level line, whatever the
    // frames just before and after it hold.
    SetZoom("50");
    const int start = WindowStart().Position();
    ASSERT_EQ(start, 975);
    for (int k = start - 1; k <= start + 50; ++k) Record[k].DataBytes[0] = 120;
    Drawing().FormRefresh(start);
    const auto level = Pixels();
    EXPECT_EQ(Bitmap().Pixel(0, 99), kLine[0]);
    EXPECT_EQ(Bitmap().Pixel(600, 99), kLine[0]);
    Record[start - 1].DataBytes[0] = 240;
    Record[start + 50].DataBytes[0] = 0;
    Drawing().FormRefresh(start);
    EXPECT_EQ(level, Pixels());
}

// A fresh start without a settings file: the six default curves show in their colours on the
// default canvas, which is the picture that "Loading default colors" gives.
TEST_F(ChartsFormTest, FreshStartShowsTheSixDefaultCurves) {
    ASSERT_FALSE(std::filesystem::exists(env.SettingsFile()));
    ui::App().DestroyForms();
    Forms = {};
    main = &CreateProgramForms();  // reads the settings, as at start
    Frames(3, [](RecordedFrame& f, int) { f = DefaultCurvesFrame(); });
    Show({}, 2);
    ASSERT_EQ(MarkerColumn(), 300);
    ExpectDefaultChartColours(Bitmap(), 150, 300);
    const auto fresh = Pixels();
    Charts().Get<ui::MenuItem>("N4").Click();
    EXPECT_EQ(Pixels(), fresh);
}

// The background: outline in the axis colour, canvas inside, dotted grid lines whose gaps are
// the canvas colour and whose end point is not painted; no picker chosen, no curve.
TEST_F(ChartsFormTest, BackgroundAndDottedGrid) {
    Frames(10, {});
    Show({});
    EXPECT_EQ(Bitmap().Pixel(0, 100), kAxes);
    EXPECT_EQ(Bitmap().Pixel(600, 199), kAxes);  // below the marker's last dot
    for (int y : {0, 200}) EXPECT_EQ(Bitmap().Pixel(300, y), kAxes);
    EXPECT_EQ(Bitmap().Pixel(300, 20), kCanvas);
    for (int y : {49, 99, 149}) {
        int dots = 0, gaps = 0;
        for (int x = 1; x <= 598; ++x) {
            if (x == MarkerColumn()) continue;
            const ui::Colour c = Bitmap().Pixel(x, y);
            dots += c == kAxes;
            gaps += c == kCanvas;
        }
        EXPECT_GT(dots, 0);
        EXPECT_GT(gaps, 0);
        EXPECT_EQ(dots + gaps, MarkerColumn() >= 1 && MarkerColumn() <= 598 ? 597 : 598);
        EXPECT_EQ(Bitmap().Pixel(599, y), kCanvas) << "the end point";
    }
    for (int n = 9; n <= 32; ++n) {
        EXPECT_EQ(Label(n), "0") << n;
        EXPECT_FALSE(LabelVisible(n)) << n;
    }
    EXPECT_EQ(Charts().Caption(), "Charts  from 1 to 10 frame");
}

// The marker: dots in the marker colour and gaps in the canvas colour over rows 0 to 198,
// hiding the curves; graph 6 lies over graph 1 where both draw the same curve.
TEST_F(ChartsFormTest, MarkerLiesOverTheCurvesAndLaterGraphsOverEarlierOnes) {
    Frames(2, [](RecordedFrame& f, int) { f.DataBytes[0] = 120; });  // a level line at 99
    Show({0, kEmpty, kEmpty, kEmpty, kEmpty, 0}, 1);
    EXPECT_EQ(Bitmap().Pixel(300, 99), kLine[5]);
    EXPECT_EQ(MarkerColumn(), 0);
    Marker().SetPosition(1);
    ASSERT_EQ(MarkerColumn(), 600);
    int dots = 0, gaps = 0;
    for (int y = 0; y <= 198; ++y) {
        const ui::Colour c = Bitmap().Pixel(600, y);
        EXPECT_TRUE(c == kMarker || c == kCanvas) << y;
        dots += c == kMarker;
        gaps += c == kCanvas;
    }
    EXPECT_GT(dots, 0);
    EXPECT_GT(gaps, 0);
    // The end point stays as the background left it.
    EXPECT_EQ(Bitmap().Pixel(600, 199), kAxes);
    EXPECT_EQ(Bitmap().Pixel(600, 200), kAxes);
    // Column 0 got back what the marker covered: the curve and the outline.
    EXPECT_EQ(Bitmap().Pixel(0, 99), kLine[5]);
    EXPECT_EQ(Bitmap().Pixel(0, 20), kAxes);
}

// Moving the marker repaints only its column: after several moves the bitmap is exactly
// what a full redraw with the marker there gives, and going back gives the first picture.
TEST_F(ChartsFormTest, MarkerColumnIsSavedAndRestoredPixelForPixel) {
    Frames(50, [](RecordedFrame& f, int k) {
        f.DataBytes[0] = static_cast<std::uint8_t>((k * 53) % 240);
        f.DataBytes[3] = static_cast<std::uint8_t>(k * 5);
        f.Byte11Bits[0] = k % 2;
    });
    Show({0, 3, 10, kEmpty, kEmpty, kEmpty}, 20);
    const auto first = Pixels();
    for (int m : {25, 26, 0, 49, 7}) Marker().SetPosition(m);
    const auto moved = Pixels();
    Drawing().FormRefresh(Drawing().Start());
    EXPECT_EQ(moved, Pixels());
    Marker().SetPosition(19);
    EXPECT_EQ(first, Pixels());
    // The main position and the values follow the marker.
    EXPECT_EQ(Position().Position(), 20);
    EXPECT_EQ(Label(1), "20");
    EXPECT_EQ(Label(10), "2500 rpm");
}

TEST_F(ChartsFormTest, OneFrameShowsItsValuesWithoutCurveOrMarker) {
    Frames(1, [](RecordedFrame& f, int) {
        f.DataBytes[3] = 40;
        f.DataBytes[0] = 8;
    });
    Show({3, 0, kEmpty, kEmpty, kEmpty, kEmpty});
    EXPECT_EQ(Marker().Max(), 0);
    EXPECT_EQ(Zoom().ItemCount(), 0);
    EXPECT_EQ(Zoom().Text(), "1");
    EXPECT_EQ(Label(9), "1000 rpm");
    EXPECT_EQ(Label(10), "1.000 msec.");
    EXPECT_EQ(Label(15), "0");  // no curve, its scale stays at "0"
    EXPECT_EQ(Label(1), "1");
    for (int y = 1; y < 200; ++y)
        for (int x = 1; x < 600; ++x) {
            const ui::Colour c = Bitmap().Pixel(x, y);
            ASSERT_TRUE(c == kCanvas || c == kAxes) << x << "," << y;
        }
    EXPECT_EQ(Charts().Caption(), "Charts  from 1 to 1 frame");
}

TEST_F(ChartsFormTest, ShowingTakesTheWholeRecordWithTheMarkerOnTheCurrentFrame) {
    Frames(50, [](RecordedFrame& f, int k) { f.DataBytes[3] = static_cast<std::uint8_t>(k); });
    // A window left from an earlier zoom does not move the current frame.
    Show({3}, 30);
    SetZoom("10");
    EXPECT_EQ(WindowStart().Position(), 25);
    Charts().Close();
    Show({3}, 30);
    EXPECT_EQ(Zoom().Items(), (std::vector<std::string>{"5", "10", "20", "50", "50"}));
    EXPECT_EQ(Zoom().Text(), "50");
    EXPECT_EQ(WindowStart().Position(), 1);
    EXPECT_EQ(WindowStart().Max(), 1);
    EXPECT_EQ(Marker().Max(), 49);
    EXPECT_EQ(Marker().Position(), 29);
    EXPECT_EQ(Position().Position(), 30);
    EXPECT_EQ(Label(1), "30");
    EXPECT_EQ(Label(9), "750 rpm");
    EXPECT_TRUE(LabelVisible(9));
    EXPECT_EQ(Label(15), "10000rpm");
}

TEST_F(ChartsFormTest, ZoomCentresTheCurrentFrame) {
    Frames(2000,
           [](RecordedFrame& f, int k) { f.DataBytes[3] = static_cast<std::uint8_t>(k % 256); });
    Show({3}, 1000);
    EXPECT_EQ(Zoom().ItemCount(), 10);
    struct Case {
        int p;
        const char* zoom;
        const char* shown;
        int start, offset;
    };
    const Case cases[] = {
        {1000, "50", "50", 975, 25},    {1990, "50", "50", 1951, 39}, {10, "50", "50", 1, 9},
        {1000, "3000", "2000", 1, 999}, {700, "0", "1", 700, 0},      {700, "-3", "1", 700, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.zoom);
        Position().SetPosition(c.p);
        SetZoom(std::to_string(c.p % 7 + 1000));  // some other size first
        SetZoom(c.zoom);
        EXPECT_EQ(Zoom().Text(), c.shown);
        EXPECT_EQ(WindowStart().Position(), c.start);
        EXPECT_EQ(Marker().Position(), c.offset);
        EXPECT_EQ(Position().Position(), c.p);
        EXPECT_EQ(Label(1), std::to_string(c.p));
        const int n = std::stoi(c.shown);
        EXPECT_EQ(Charts().Caption(), ChartCaption("Charts  from ", " to ", c.start, n));
        EXPECT_EQ(WindowStart().Max(), 2000 - n + 1);
        EXPECT_EQ(Marker().Max(), n - 1);
    }
    // A zoom of one frame draws the background only: no curve, no marker.
    for (int y = 1; y < 200; ++y)
        for (int x = 1; x < 600; ++x) {
            const ui::Colour c = Bitmap().Pixel(x, y);
            ASSERT_TRUE(c == kCanvas || c == kAxes) << x << "," << y;
        }
    // Text that is no whole number changes nothing.
    SetZoom("50");
    const auto before = Pixels();
    try {
        SetZoom("5x");
        ADD_FAILURE() << "no conversion error";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "'5x' is not a valid integer value");
    }
    EXPECT_EQ(Drawing().ChartFrames(), 50);
    EXPECT_EQ(Marker().Max(), 49);
    EXPECT_EQ(before, Pixels());
}

TEST_F(ChartsFormTest, ClicksAndStepButtonsMoveOnlyTheMarker) {
    Frames(100, {});
    Show({3}, 40);
    SetZoom("20");
    const int start = WindowStart().Position();
    ASSERT_EQ(start, 30);
    auto click = [&](int x, UINT down, UINT up) {
        SendMessageW(Charts().Handle(), down, 0, MAKELPARAM(64 + x, 112 + 50));
        SendMessageW(Charts().Handle(), up, 0, MAKELPARAM(64 + x, 112 + 50));
    };
    click(600, WM_LBUTTONDOWN, WM_LBUTTONUP);
    EXPECT_EQ(Marker().Position(), 19);
    EXPECT_EQ(Position().Position(), start + 19);
    Charts().Get<ui::Button>("Button2").Click();  // "+1" at the end
    EXPECT_EQ(Marker().Position(), 19);
    EXPECT_EQ(WindowStart().Position(), start);
    click(0, WM_LBUTTONDOWN, WM_LBUTTONUP);
    EXPECT_EQ(Marker().Position(), 0);
    EXPECT_EQ(Position().Position(), start);
    Charts().Get<ui::Button>("Button1").Click();  // "-1" at the start
    EXPECT_EQ(Marker().Position(), 0);
    EXPECT_EQ(WindowStart().Position(), start);
    Charts().Get<ui::Button>("Button2").Click();
    EXPECT_EQ(Marker().Position(), 1);
    EXPECT_EQ(Position().Position(), start + 1);
    click(300, WM_LBUTTONDOWN, WM_LBUTTONUP);  // 9.5: to the even neighbour
    EXPECT_EQ(Marker().Position(), 10);
}

TEST_F(ChartsFormTest, ClosingStoresTheSelections) {
    Frames(10, {});
    Show({5, kEmpty, 7, 4, 2, 8});
    Charts().Picker(3).SetItemIndex(-1);  // no selection
    Charts().Close();
    EXPECT_EQ(ProgramSettings.Param.Grafik, (std::array<std::int32_t, 6>{5, 22, 1, 4, 2, 8}));
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(Charts().Picker(i).Text(), "") << i;
    // A stored index that names no item gives no selection, which closing stores as the
    // line's default.
    Show({3, kEmpty, 40, 4, 2, 8});
    EXPECT_EQ(Charts().Picker(2).ItemIndex(), 22);
    EXPECT_FALSE(LabelVisible(10));
    EXPECT_EQ(Charts().Picker(3).ItemIndex(), -1);
    Charts().Close();
    EXPECT_EQ(ProgramSettings.Param.Grafik[1], 22);
    EXPECT_EQ(ProgramSettings.Param.Grafik[2], 1);
}

// Jumps of the main position past either end of a window shorter than the record: the
// chosen frame becomes current, the marker stands on it, the window moves just enough.
TEST_F(ChartsFormTest, JumpsPastTheWindowKeepTheChosenFrame) {
    Frames(500, {});
    Show({3}, 100);
    SetZoom("50");
    ASSERT_EQ(WindowStart().Position(), 75);
    struct Case {
        int p, start;
    };
    for (const Case& c :
         {Case{300, 251}, Case{20, 20}, Case{69, 20}, Case{70, 21}, Case{21, 21}, Case{20, 20}}) {
        Position().SetPosition(c.p);
        EXPECT_EQ(Position().Position(), c.p);
        EXPECT_EQ(WindowStart().Position(), c.start) << c.p;
        EXPECT_EQ(Marker().Position(), c.p - c.start) << c.p;
        EXPECT_EQ(Label(1), std::to_string(c.p));
    }
    // A bookmark jumps the same way.
    auto& bookmark = main->Get<ui::Button>("BitBtn1");
    bookmark.SetCaption("400");
    SendMessageW(bookmark.Handle(), WM_LBUTTONDOWN, 0, 0);
    SendMessageW(bookmark.Handle(), WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(Position().Position(), 400);
    EXPECT_EQ(WindowStart().Position(), 351);
    EXPECT_EQ(Marker().Position(), 49);
}

TEST_F(ChartsFormTest, PlaybackMovesTheMarkerThenTheWindow) {
    Frames(30, {});
    Show({3}, 8);
    SetZoom("10");
    ASSERT_EQ(WindowStart().Position(), 3);
    ASSERT_EQ(Marker().Position(), 5);
    auto& timer = main->Get<ui::Timer>("Timer4");
    for (int step = 1; step <= 4; ++step) main->Timer4Timer();
    EXPECT_EQ(WindowStart().Position(), 3);
    EXPECT_EQ(Marker().Position(), 9);
    EXPECT_EQ(Position().Position(), 12);
    main->Timer4Timer();
    EXPECT_EQ(WindowStart().Position(), 4);
    EXPECT_EQ(Marker().Position(), 9);
    EXPECT_EQ(Position().Position(), 13);
    EXPECT_EQ(Label(1), "13");
    EXPECT_FALSE(timer.Enabled());
}

// Each value's "% - bad" mark goes with the coolant temperature of the frame it marks,
// whichever way that frame was reached.
TEST_F(ChartsFormTest, PercentMarkFollowsTheMarkedFramesCoolant) {
    ProgramSettings.Param.Korr = 2;
    ProgramSettings.Param.Temperature = 1;
    // The engine runs at -20 %, odd frames warm (96.9 deg.C), even frames cold (20.0).
    Frames(40, [](RecordedFrame& f, int k) {
        f.DataBytes[3] = 30;
        f.DataBytes[5] = k % 2 ? 236 : 135;
        f.DataBytes[8] = 0;
    });
    Show({8}, 20);
    SetZoom("10");
    ASSERT_EQ(WindowStart().Position(), 15);
    struct Step {
        const char* what;
        std::function<void()> act;
        int current;
    };
    const Step steps[] = {
        {"window start on", [&] { WindowStart().SetPosition(16); }, 21},
        {"window start back", [&] { WindowStart().SetPosition(15); }, 20},
        {"+1", [&] { Charts().Button2Click(); }, 21},
        {"click", [&] { Charts().Image1MouseUp(ui::MouseButton::Left, 600, 50); }, 24},
        {"playback moves the window", [&] { main->Timer4Timer(); }, 25},
        {"playback again", [&] { main->Timer4Timer(); }, 26},
        {"-1", [&] { Charts().Button1Click(); }, 25},
        {"zoom", [&] { SetZoom("20"); }, 25},
        {"main position past the window", [&] { Position().SetPosition(39); }, 39},
        {"picker", [&] { Charts().ComboBox1Change(); }, 39},
        {"window start back again", [&] { WindowStart().SetPosition(17); }, 36},
    };
    for (const Step& s : steps) {
        s.act();
        ASSERT_EQ(Position().Position(), s.current) << s.what;
        ASSERT_EQ(Label(1), std::to_string(s.current)) << s.what;
        EXPECT_EQ(Label(9), s.current % 2 ? "-20.00% - bad" : "-20.00%") << s.what;
    }
}

TEST_F(ChartsFormTest, ReadingFollowsTheNewestFifty) {
    Frames(1, {});
    Show({3});
    std::vector<EcuFrame> frames(3);
    for (int k = 0; k < 3; ++k) frames[k].bytes[3] = static_cast<std::uint8_t>(40 + k);
    line.events = SynthesizeStream(frames, {});
    main->Get<ui::Button>("Button1").Click();
    ASSERT_FALSE(main->ReadingStopped());
    for (const char* name : {"ComboBox8", "TrackBar1", "ScrollBar1", "Button1", "Button2"})
        EXPECT_FALSE(Charts().Get<ui::Control>(name).Enabled()) << name;
    EXPECT_TRUE(Charts().Picker(1).Enabled());
    EXPECT_TRUE(Charts().Get<ui::Control>("Button3").Enabled());
    // The three frames arrive as frames 118 to 120.
    FrameCount = 118;
    PumpUntil([&] { return Position().Max() == 120 && Label(1) == "120"; }, 10000);
    EXPECT_EQ(WindowStart().Position(), 71);
    EXPECT_EQ(Marker().Max(), 49);
    EXPECT_EQ(Marker().Position(), 49);
    EXPECT_EQ(Zoom().Text(), "50");
    EXPECT_EQ(Drawing().ChartFrames(), 50);
    EXPECT_EQ(Charts().Caption(), "Charts  from 71 to 120 frame");
    EXPECT_EQ(Label(9), "1050 rpm");
    EXPECT_EQ(MarkerColumn(), 600);
    main->Get<ui::Button>("Button1").Click();
    for (const char* name : {"ComboBox8", "TrackBar1", "ScrollBar1", "Button1", "Button2"})
        EXPECT_TRUE(Charts().Get<ui::Control>(name).Enabled()) << name;
}

TEST_F(ChartsFormTest, FewerThanFiftyFramesWhileReadingShowsThemAll) {
    Frames(7, {});
    Show({3});
    main->Timer5Timer();
    EXPECT_EQ(Drawing().ChartFrames(), 7);
    EXPECT_EQ(Marker().Max(), 6);
    EXPECT_EQ(Marker().Position(), 6);
    EXPECT_EQ(WindowStart().Position(), 1);
    EXPECT_EQ(Zoom().Text(), "7");
}

TEST_F(ChartsFormTest, LineColoursStayInMemoryUntilTheNextWholeWrite) {
    Frames(2, [](RecordedFrame& f, int) { f.DataBytes[3] = 100; });
    Show({3}, 1);
    auto& button = Charts().ColourButton(1);
    // Cancel keeps the colour and still draws the chart again.
    Bitmap().GetCanvas().SetPixel(300, 20, 0x123456);
    Charts().SpeedButtonClick(1);
    EXPECT_EQ(dialogs.colourRequests.size(), 1u);
    EXPECT_EQ(Bitmap().Pixel(300, 20), kCanvas);
    EXPECT_EQ(button.GetFont().colour, kLine[0]);
    // A choice colours the line, its labels and picker; the file keeps the old colour.
    dialogs.colourAnswers.push_back(0x00AA00);
    Charts().SpeedButtonClick(1);
    EXPECT_EQ(button.GetFont().colour, 0x00AA00u);
    EXPECT_EQ(ProgramSettings.Param.col[0], 0x00AA00);
    EXPECT_EQ(Charts().Get<ui::Label>("Label9").GetFont().colour, 0x00AA00u);
    EXPECT_EQ(Charts().Get<ui::Label>("Label27").GetFont().colour, 0x00AA00u);
    EXPECT_EQ(Charts().Picker(1).GetFont().colour, 0x00AA00u);
    EXPECT_EQ(Bitmap().Pixel(300, ChartY(3, Record[1], {})), 0x00AA00u);
    EXPECT_NE(ReadSettings(env.SettingsFile()).Param.col[0], 0x00AA00);
    // The dialog opens on the colour chosen last.
    Charts().SpeedButtonClick(2);
    EXPECT_EQ(dialogs.colourRequests.back(), 0x00AA00u);
    // Canvas, axis and marker colours are written at once, the line colour with them.
    dialogs.colourAnswers.push_back(0x202020);
    Charts().N1Click();
    Settings stored = ReadSettings(env.SettingsFile());
    EXPECT_EQ(stored.Param.fon, 0x202020);
    EXPECT_EQ(stored.Param.col[0], 0x00AA00);
    EXPECT_EQ(Bitmap().Pixel(300, 20), 0x202020u);
    dialogs.colourAnswers.push_back(0x0000AA);
    Charts().N2Click();
    dialogs.colourAnswers.push_back(0xAA0000);
    Charts().N3Click();
    stored = ReadSettings(env.SettingsFile());
    EXPECT_EQ(stored.Param.axes, 0x0000AA);
    EXPECT_EQ(stored.Param.marker, 0xAA0000);
    EXPECT_EQ(Bitmap().Pixel(300, 0), 0x0000AAu);
    // Cancel changes nothing.
    Charts().N1Click();
    EXPECT_EQ(ReadSettings(env.SettingsFile()).Param.fon, 0x202020);
    Charts().Get<ui::MenuItem>("N4").Click();
    stored = ReadSettings(env.SettingsFile());
    EXPECT_EQ(stored.Param.fon, 0xFFFFFF);
    EXPECT_EQ(stored.Param.axes, 0);
    EXPECT_EQ(stored.Param.marker, 0);
    EXPECT_EQ(Bitmap().Pixel(300, 20), 0xFFFFFFu);
}

TEST_F(ChartsFormTest, DeletingAFrameFollowsAZoomOfTheWholeRecord) {
    Frames(60, {});
    Show({3}, 30);
    ASSERT_EQ(Zoom().Text(), "60");
    Charts().Get<ui::Button>("Button3").Click();
    EXPECT_EQ(Position().Max(), 59);
    EXPECT_EQ(Zoom().Text(), "59");
    EXPECT_EQ(Zoom().Items(), (std::vector<std::string>{"5", "10", "20", "50", "59"}));
    EXPECT_EQ(Drawing().ChartFrames(), 59);
    EXPECT_EQ(Marker().Max(), 58);
    EXPECT_EQ(Position().Position(), 30);
    EXPECT_EQ(WindowStart().Position() + Marker().Position(), 30);
    // Another zoom stays as it is.
    SetZoom("20");
    Charts().Get<ui::Button>("Button3").Click();
    EXPECT_EQ(Zoom().Text(), "20");
    EXPECT_EQ(Drawing().ChartFrames(), 20);
    // A zoom text left that is no number: the zoom that follows the deletion raises its
    // error, and the record still counts as changed.
    EXPECT_THROW(SetZoom("20x"), std::runtime_error);
    RecordUnsaved = false;
    EXPECT_THROW(main->Button5Click(), std::runtime_error);
    EXPECT_EQ(Position().Max(), 57);
    EXPECT_TRUE(RecordUnsaved.load());
}

// "Del. frame" while reading: the frames that arrive next follow the remaining ones
// directly, so no deleted frame comes back and none is repeated, in the saved file too.
TEST_F(ChartsFormTest, DeletingWhileReadingLeavesNoSlotBehind) {
    Show({3});
    std::vector<EcuFrame> frames(8);
    for (int k = 0; k < 8; ++k) frames[k].bytes[3] = static_cast<std::uint8_t>(k + 1);
    std::vector<std::size_t> headers;
    line.events = SynthesizeStream(frames, {}, &headers);
    // Frames 1 to k are complete once the header of frame k + 1 begins.
    auto through = [&](int k) { return k < 8 ? headers[k] + 1 : line.events.size(); };
    line.holdAt = through(4);
    main->Get<ui::Button>("Button1").Click();
    ASSERT_FALSE(main->ReadingStopped());
    // The record as the engine-speed bytes, which number the frames as they were sent.
    auto record = [&] {
        std::vector<int> sent;
        for (int k = 1; k <= Position().Max(); ++k) sent.push_back(Record[k].DataBytes[3]);
        return sent;
    };
    struct Step {
        int arrived;  // the last frame sent so far
        int deleted;  // the frame deleted then, 0 for none
        std::vector<int> after;
    };
    const Step steps[] = {
        {4, 2, {1, 3, 4}},     // a middle frame
        {6, 5, {1, 3, 4, 5}},  // the newest
        {8, 0, {1, 3, 4, 5, 7, 8}},
    };
    for (const Step& s : steps) {
        if (s.arrived > 4) {
            ASSERT_TRUE(line.PlayOn(through(s.arrived))) << s.arrived;
        }
        PumpUntil([&] {
            return Record[Position().Max()].DataBytes[3] == s.arrived &&
                   Label(1) == std::to_string(Position().Max());
        });
        if (s.deleted) {
            Position().SetPosition(s.deleted);
            Charts().Get<ui::Button>("Button3").Click();
        }
        EXPECT_EQ(record(), s.after) << s.arrived;
    }
    main->Get<ui::Button>("Button1").Click();
    ASSERT_TRUE(main->ReadingStopped());
    Forms.Form6->Memo2().SetLines({"Проверка"});
    const auto path = env.folder / "read.vmr";
    dialogs.fileAnswers = {ui::FileDialogAnswer{path, 1}};
    main->SaveRecordAs();
    Record = {};
    ASSERT_TRUE(main->LoadRecordFile(path));
    EXPECT_EQ(record(), steps[2].after);
}

// A file read while the window is open: the window takes the new record at once.
TEST_F(ChartsFormTest, ALoadedFileIsShownAtOnce) {
    Frames(10, {});
    Show({3}, 4);
    const auto path = env.folder / "thirty.vmr";
    WriteTestRecording(path, 30);
    ASSERT_TRUE(main->LoadRecordFile(path));
    EXPECT_EQ(Zoom().Text(), "30");
    EXPECT_EQ(Drawing().ChartFrames(), 30);
    EXPECT_EQ(Marker().Max(), 29);
    EXPECT_EQ(Position().Position(), 15);
    EXPECT_EQ(Marker().Position(), 14);
    EXPECT_EQ(Label(9), "375 rpm");  // frame 15's engine-speed byte is 15
    EXPECT_EQ(Charts().Picker(1).ItemIndex(), 3);
    // A new record (Read, New) shows the window again on its one frame.
    main->ClearRecord();
    EXPECT_EQ(Zoom().Text(), "1");
    EXPECT_EQ(Marker().Max(), 0);
}

// Closing the settings window renames the pickers after the unit settings and redraws.
TEST_F(ChartsFormTest, NewUnitSettingsReachThePickersAndScales) {
    Frames(10, {});
    Show({2});
    EXPECT_EQ(Label(15), "100%");
    ProgramSettings.Param.KHH = 2;
    Forms.Form9->OnSettingsChanged();
    EXPECT_EQ(Label(15), "255step");
    EXPECT_EQ(Charts().Picker(1).ItemIndex(), 2);
    EXPECT_NE(Charts().Picker(1).Text().find("(step)"), std::string::npos);
}

}  // namespace
