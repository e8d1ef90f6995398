#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "monitor/core/parameter_rows.h"
#include "monitor/core/record_file_writer.h"
#include "tests/win/activation_support.h"
#include "tests/win/default_chart_support.h"
#include "tests/win/program_folder.h"
#include "ui/button.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/menu.h"
#include "ui/scripted_dialogs.h"
#include "viewer/pane.h"
#include "viewer/viewer_form.h"
#include "viewer/viewer_locale.h"
#include "viewer/viewer_settings.h"

using namespace velmorant;
using velmorant::test::PumpFor;
using velmorant::viewer::Pane;

namespace {

constexpr ui::Colour kLine1 = 0x0000FF;
constexpr ui::Colour kCanvas = 0x000000;
constexpr ui::Colour kMarker = 0x808080;

// Frames whose engine-speed byte counts up from `first`, the other bytes from `seed`.
std::vector<RecordedFrame> Frames(int n, int first = 1, int seed = 0) {
    std::vector<RecordedFrame> frames(static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k) {
        RecordedFrame& f = frames[static_cast<std::size_t>(k)];
        for (int b = 0; b < 10; ++b)
            f.DataBytes[b] = static_cast<std::uint8_t>((seed + 7 * k + b) % 256);
        f.DataBytes[3] = static_cast<std::uint8_t>((first + k) % 256);
        f.Byte12Bits[1] = static_cast<std::uint8_t>(k % 2);
    }
    return frames;
}

RecordFileSections TooLongComment() {
    RecordFileSections s;
    s.AdditionalDescription = std::vector<std::string>{std::string(8193, 'x')};
    return s;
}

class ViewerPaneTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Line 1 shows engine speed in red; the other lines are empty.
        WriteSettings({});
        form = std::make_unique<viewer::TForm1>();
        form->Create();
        form->SetKeyPreview(true);
        viewer::Locale = DisplayLocale{};
    }
    void TearDown() override {
        form.reset();
        viewer::Values = ViewerSettings{};
    }
    // The settings file the viewer reads: line 1 engine speed in red on black, the other
    // lines empty, unless `changes` says otherwise.
    void WriteSettings(const std::map<std::string, std::string>& changes) {
        std::map<std::string, std::string> keys = {
            {"col1", "255"},      {"Grafik1", "3"},     {"Grafik2", "22"}, {"Grafik3", "22"},
            {"Grafik4", "22"},    {"Grafik5", "22"},    {"Grafik6", "22"}, {"fon", "0"},
            {"axes", "16777215"}, {"marker", "8421504"}};
        for (const auto& [key, value] : changes) keys[key] = value;
        std::ofstream out(env.SettingsFile(), std::ios::binary);
        out << "[Main]\r\nVersion=8000\r\n[Param]\r\n";
        for (const auto& [key, value] : keys) out << key << "=" << value << "\r\n";
        out.close();
        if (form) form->LoadSettings();
    }
    std::filesystem::path Write(const std::string& name, const std::vector<RecordedFrame>& frames) {
        const auto path = env.folder / name;
        EXPECT_TRUE(WriteRecordFile(path, frames, {}, {}).Ok());
        return path;
    }
    std::filesystem::path WriteText(const std::string& name, const std::string& text) {
        const auto path = env.folder / name;
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    // The File command of the pane with the open dialog answering `path`.
    void Open(Pane& pane, const std::filesystem::path& path) {
        dialogs.fileAnswers.push_back(ui::FileDialogAnswer{path});
        form->Get<ui::MenuItem>(&pane == &form->PaneA() ? "N2" : "N7").Click();
    }
    template <class T>
    T& Get(const std::string& name) {
        return form->Get<T>(name);
    }
    std::string Status(int panel) { return Get<ui::StatusBar>("StatusBar1").PanelText(panel); }
    std::string Row(const char* list, int row) { return Get<ui::ListView>(list).SubItem(row, 0); }
    int CountColour(ui::Bitmap& b, ui::Colour colour, int x0, int x1) {
        int count = 0;
        for (int x = x0; x <= x1; ++x)
            for (int y = 0; y < b.Height(); ++y) count += b.Pixel(x, y) == colour;
        return count;
    }

    test::ProgramFolder env{"velmorant_viewer_pane_test"};
    ui::ScriptedDialogs dialogs;
    std::unique_ptr<viewer::TForm1> form;
};

TEST_F(ViewerPaneTest, ReadingOnePaneLeavesTheOtherAsItWas) {
    Open(form->PaneA(), Write("a.vmr", Frames(40, 1, 3)));
    Open(form->PaneB(), Write("b.vmr", Frames(30, 100, 50)));
    for (bool intoA : {true, false}) {
        SCOPED_TRACE(intoA ? "reading into pane a" : "reading into pane b");
        Pane& target = intoA ? form->PaneA() : form->PaneB();
        Pane& other = intoA ? form->PaneB() : form->PaneA();
        const FrameRecord before = other.PaneRecord();
        const ui::Bitmap picture = other.ChartBitmap();
        const std::string status = Status(other.Twin().StatusPanel);
        Open(target, Write("c.vmr", Frames(20, 200, 90)));
        for (int k = 1; k <= kMaxFrames; ++k)
            ASSERT_EQ(other.PaneRecord()[k].DataBytes, before[k].DataBytes) << k;
        EXPECT_EQ(Status(other.Twin().StatusPanel), status);
        EXPECT_EQ(Status(target.Twin().StatusPanel), "c.vmr");
        for (int x = 0; x < 601; x += 7)
            for (int y = 0; y < 201; y += 5)
                ASSERT_EQ(other.ChartBitmap().Pixel(x, y), picture.Pixel(x, y));
        // The pane read last has the list.
        EXPECT_TRUE(Get<ui::ListView>(std::string(target.Twin().List)).Visible());
        EXPECT_FALSE(Get<ui::ListView>(std::string(other.Twin().List)).Visible());
        EXPECT_TRUE(Get<ui::ScrollBar>(std::string(target.Twin().FrameBar)).Visible());
        EXPECT_FALSE(Get<ui::ScrollBar>(std::string(other.Twin().FrameBar)).Visible());
    }
}

// Without a settings file beside the program both panes show the six default curves in their
// colours, as the charts window does.
TEST_F(ViewerPaneTest, WithoutASettingsFileTheSixDefaultCurvesShow) {
    std::filesystem::remove(env.SettingsFile());
    form->Show();  // reads the settings
    PumpFor(50);
    const auto file = Write("a.vmr", std::vector<RecordedFrame>(3, test::DefaultCurvesFrame()));
    for (Pane* pane : {&form->PaneA(), &form->PaneB()}) {
        SCOPED_TRACE(pane == &form->PaneA() ? "pane a" : "pane b");
        Open(*pane, file);
        Get<ui::TrackBar>(pane == &form->PaneA() ? "TrackBar1a" : "TrackBar1b").SetPosition(1);
        const int marker = pane->GetChart().MarkerColumnX();
        ASSERT_EQ(marker, 284);
        test::ExpectDefaultChartColours(pane->ChartBitmap(), 142, marker);
    }
}

TEST_F(ViewerPaneTest, FrameCountsSetTheWindowAndTheSizeList) {
    struct Case {
        int frames;
        std::vector<std::string> sizes;
    };
    const Case cases[] = {
        {1, {}},
        {10, {"5", "10", "10"}},
        {2000, {"5", "10", "20", "50", "100", "200", "500", "1000", "2000", "2000"}},
    };
    Pane& pane = form->PaneA();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.frames);
        Open(pane, Write("n.vmr", Frames(c.frames, 40)));
        EXPECT_EQ(Get<ui::ComboBox>("ComboBox7a").Items(), c.sizes);
        EXPECT_EQ(Get<ui::ComboBox>("ComboBox7a").Text(), std::to_string(c.frames));
        EXPECT_EQ(pane.GetChart().ChartFrames(), c.frames);
        EXPECT_EQ(Get<ui::TrackBar>("TrackBar1a").Max(), c.frames - 1);
        // The list, the window and the marker start at frame 1.
        EXPECT_EQ(pane.CurrentFrame(), 1);
        EXPECT_EQ(pane.GetChart().Start(), 1);
        EXPECT_EQ(pane.GetChart().Offset(), 0);
        EXPECT_EQ(Row("ListView1", 26), "1 / " + std::to_string(c.frames));
        EXPECT_EQ(Get<ui::Label>("Label1a").Text(), "1");
        // Engine speed of frame 1: byte 40.
        EXPECT_EQ(Get<ui::Label>("Label4a").Text(), "1000 rpm");
        EXPECT_TRUE(Get<ui::Panel>("Panel4").Visible());
    }
    // The one-frame file drew neither curve nor marker: after the two-frame one the chart
    // holds both, after a one-frame one again neither.
    Open(pane, Write("one.vmr", Frames(1, 40)));
    EXPECT_EQ(CountColour(pane.ChartBitmap(), kLine1, 0, 600), 0);
    EXPECT_EQ(CountColour(pane.ChartBitmap(), kMarker, 0, 600), 0);
    Open(pane, Write("two.vmr", Frames(2, 40)));
    EXPECT_GT(CountColour(pane.ChartBitmap(), kLine1, 0, 600), 0);
    EXPECT_GT(CountColour(pane.ChartBitmap(), kMarker, 0, 600), 0);
}

TEST_F(ViewerPaneTest, ARefusedFileInAnEmptyPaneBIsAnUnknownFormatAndNotReadAgain) {
    Open(form->PaneA(), Write("a.vmr", Frames(10)));
    // A pane that shows no file yet says the refusal in its status panel, without a box.
    for (const char* text :
         {"File for Velmorant 1.0.0.3\r\n0\r\n", "File for Velmorant 1.0.0.3\r\n2001\r\n",
          "File for Someone 1.0\r\n5\r\n"}) {
        SCOPED_TRACE(text);
        Open(form->PaneB(), WriteText("bad.vmr", text));
        EXPECT_EQ(Status(1), "Unknown file format");
        EXPECT_EQ(Status(0), "a.vmr");
        EXPECT_TRUE(Get<ui::Panel>("Panel5").Visible());
        EXPECT_TRUE(Get<ui::ListView>("ListView2").Visible());
        EXPECT_FALSE(form->PaneB().HoldsFile());
        EXPECT_TRUE(form->PathB().empty());
    }

    // Made readable, it is still not read when the window is shown again.
    Write("bad.vmr", Frames(12));
    form->Show();
    PumpFor(50);
    EXPECT_EQ(Status(1), "Unknown file format");
    EXPECT_EQ(form->PaneB().FrameTotal(), 1);
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(ViewerPaneTest, FilesThatFailKeepThePaneAsItWas) {
    Pane& pane = form->PaneA();
    Open(pane, Write("good.vmr", Frames(10, 30)));
    const FrameRecord before = pane.PaneRecord();
    struct Case {
        std::string text;
        std::string status;   // the status panel afterwards
        std::string box;      // the error box, if any
        bool locked = false;  // held open by another program that shares nothing
    };
    const std::string bad = (env.folder / "bad.vmr").string();
    // Refused files too: the status panel goes on naming the file the pane shows.
    const Case cases[] = {
        {"File for Velmorant 1.0.0.3\r\n2001\r\n", "good.vmr", "Unknown file format."},
        {"File for Velmorant 1.0.0.3\r\n0\r\n", "good.vmr", "Unknown file format."},
        {"File for Velmorant 1.0.0.3\r\n-4\r\n", "good.vmr", "Unknown file format."},
        {"File for Velmorant 1.0.0.3\r\n-5\r\n", "good.vmr", "Unknown file format."},
        {"File for Someone 1.0\r\n5\r\n", "good.vmr", "Unknown file format."},
        {"File for Velmorant 1.0.0.2\r\nabc\r\n", "good.vmr",
         "'abc' is not a valid integer value."},
        {"File for Velmorant 1.0.0.3\r\n12\r\n", "good.vmr", "Unable to read " + bad + ".", true},
        // Read no further than the limit, as the main program reads it.
        {FormatRecordFile(Frames(3), TooLongComment(), {}), "good.vmr",
         "Comments too long (more than 8192 characters)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 40));
        Open(pane, Write("good.vmr", Frames(10, 30)));
        dialogs.boxes.clear();
        const auto path = WriteText("bad.vmr", c.text);
        HANDLE held = c.locked ? CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                             0, nullptr)
                               : INVALID_HANDLE_VALUE;
        Open(pane, path);
        if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
        EXPECT_EQ(Status(0), c.status);
        ASSERT_EQ(dialogs.boxes.size(), c.box.empty() ? 0u : 1u);
        if (!c.box.empty()) {
            EXPECT_EQ(dialogs.boxes[0].text, c.box);
            EXPECT_EQ(dialogs.boxes[0].caption, "Viewer");
        }
        EXPECT_EQ(pane.FrameTotal(), 10);
        for (int k = 1; k <= kMaxFrames; ++k)
            ASSERT_EQ(pane.PaneRecord()[k].DataBytes, before[k].DataBytes) << k;
        // The file the pane shows stays the one it remembers.
        EXPECT_EQ(form->PathA().filename(), "good.vmr");
    }
}

TEST_F(ViewerPaneTest, AFileThatFailedIsNotTheOneReadAgainOnShowing) {
    // The pane still shows the good file after a failed read, refused or broken off: showing
    // the window again reads the good file, not the one that failed.
    Pane& pane = form->PaneA();
    for (const char* text :
         {"File for Velmorant 1.0.0.2\r\n3\r\n", "File for Velmorant 1.0.0.3\r\n0\r\n",
          "File for Velmorant 1.0.0.3\r\n-5\r\n", "File for Velmorant 1.0.0.3\r\n2001\r\n",
          "File for Someone 1.0\r\n5\r\n"}) {
        SCOPED_TRACE(text);
        Open(pane, Write("good.vmr", Frames(10, 30)));
        Open(pane, WriteText("bad.vmr", text));
        ASSERT_EQ(dialogs.boxes.size(), 1u);
        EXPECT_EQ(Status(0), "good.vmr");
        EXPECT_EQ(form->PathA().filename(), "good.vmr");
        EXPECT_TRUE(pane.HoldsFile());

        Write("good.vmr", Frames(12, 30));
        dialogs.boxes.clear();
        form->Show();
        PumpFor(50);
        EXPECT_TRUE(dialogs.boxes.empty());
        EXPECT_EQ(pane.FrameTotal(), 12);
        EXPECT_EQ(Status(0), "good.vmr");
        form->Hide();
    }
}

TEST_F(ViewerPaneTest, SameFileInBothPanesGivesTheSameListsAndCharts) {
    const auto file = Write("same.vmr", Frames(300, 10, 5));
    Open(form->PaneA(), file);
    std::vector<std::string> listA;
    for (int r = 0; r < 28; ++r) listA.push_back(Row("ListView1", r));
    Open(form->PaneB(), file);
    for (int r = 0; r < 28; ++r) EXPECT_EQ(Row("ListView2", r), listA[r]) << r;
    for (int x = 0; x < 601; ++x)
        for (int y = 0; y < 201; ++y)
            ASSERT_EQ(form->PaneA().ChartBitmap().Pixel(x, y),
                      form->PaneB().ChartBitmap().Pixel(x, y))
                << x << "," << y;
    EXPECT_EQ(form->PaneA().PaneRecord()[300].DataBytes, form->PaneB().PaneRecord()[300].DataBytes);
}

TEST_F(ViewerPaneTest, ShowingAgainRereadsBothFilesFromTheirFullPaths) {
    const auto folder = env.folder / "records";
    std::filesystem::create_directories(folder);
    EXPECT_TRUE(WriteRecordFile(folder / "a.vmr", Frames(10), {}, {}).Ok());
    EXPECT_TRUE(WriteRecordFile(folder / "b.vmr", Frames(20), {}, {}).Ok());
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    form->Show();
    PumpFor(50);
    // Chosen by names relative to the current folder.
    Open(form->PaneA(), "a.vmr");
    Open(form->PaneB(), "b.vmr");
    PostMessageW(form->Handle(), WM_CHAR, 27, 0);
    PumpFor(50);
    ASSERT_FALSE(form->Visible());

    std::filesystem::current_path(env.folder);
    EXPECT_TRUE(WriteRecordFile(folder / "a.vmr", Frames(11), {}, {}).Ok());
    EXPECT_TRUE(WriteRecordFile(folder / "b.vmr", Frames(21), {}, {}).Ok());
    form->Show();
    PumpFor(50);
    std::filesystem::current_path(previous);
    EXPECT_EQ(form->PaneA().FrameTotal(), 11);
    EXPECT_EQ(form->PaneB().FrameTotal(), 21);
    EXPECT_EQ(Status(0), "a.vmr");
    EXPECT_EQ(Status(1), "b.vmr");
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(ViewerPaneTest, EveryActivationShowsFrameOneInTheLists) {
    Open(form->PaneA(), Write("a.vmr", Frames(50)));
    Open(form->PaneB(), Write("b.vmr", Frames(60)));
    for (const char* marker : {"TrackBar1a", "TrackBar1b"}) {
        SCOPED_TRACE(marker);
        Get<ui::TrackBar>(marker).SetPosition(7);
        const char* list = marker[9] == 'a' ? "ListView1" : "ListView2";
        const std::string total = marker[9] == 'a' ? "50" : "60";
        EXPECT_EQ(Row(list, 26), "8 / " + total);
        form->FormActivate();
        EXPECT_EQ(Row(list, 26), "1 / " + total);
        // The charts keep their drawing and their marker.
        EXPECT_EQ(Get<ui::TrackBar>(marker).Position(), 7);
    }
}

TEST_F(ViewerPaneTest, TheListFollowsMarkersAndSelectorsNotWindowMoves) {
    Open(form->PaneB(), Write("b.vmr", Frames(100, 1)));
    Open(form->PaneA(), Write("a.vmr", Frames(50, 101)));
    auto& listA = Get<ui::ListView>("ListView1");
    auto& listB = Get<ui::ListView>("ListView2");
    Get<ui::TrackBar>("TrackBar1b").SetPosition(60);
    Get<ui::TrackBar>("TrackBar1a").SetPosition(2);
    ASSERT_TRUE(listA.Visible());

    // Window size and window start of pane b, both moving its marker: the list stays on
    // pane a.
    Get<ui::ComboBox>("ComboBox7b").SetText("10");
    EXPECT_EQ(form->PaneB().GetChart().ChartFrames(), 10);
    EXPECT_EQ(form->PaneB().GetChart().Offset(), 5);
    Get<ui::ScrollBar>("ScrollBar1b").SetPosition(40);
    EXPECT_EQ(form->PaneB().CurrentFrame(), 45);
    EXPECT_TRUE(listA.Visible());
    EXPECT_FALSE(listB.Visible());
    EXPECT_EQ(Row("ListView1", 26), "3 / 50");

    // Pane b's marker: the list is pane b's, at its marker frame.
    Get<ui::TrackBar>("TrackBar1b").SetPosition(7);
    EXPECT_TRUE(listB.Visible());
    EXPECT_FALSE(listA.Visible());
    EXPECT_TRUE(Get<ui::ScrollBar>("ScrollBar_b").Visible());
    EXPECT_FALSE(Get<ui::ScrollBar>("ScrollBar_a").Visible());
    EXPECT_EQ(form->PaneB().CurrentFrame(), 47);
    EXPECT_EQ(Row("ListView2", 26), "47 / 100");
    EXPECT_EQ(Get<ui::Label>("Label1b").Text(), "47");

    // A selector of pane a: the list is pane a's, at its current frame.
    Get<ui::ComboBox>("ComboBox2a").SetItemIndex(0);
    form->PaneA().SelectorChange();
    EXPECT_TRUE(listA.Visible());
    EXPECT_EQ(Row("ListView1", 26), "3 / 50");
    // "+1" and "-1" move the marker, and so switch too.
    Get<ui::Button>("Button2b").Click();
    EXPECT_TRUE(listB.Visible());
    EXPECT_EQ(Row("ListView2", 26), "48 / 100");
}

TEST_F(ViewerPaneTest, JumpOfTheFrameBarPastTheWindowMakesTheChosenFrameCurrent) {
    Pane& pane = form->PaneA();
    Open(pane, Write("a.vmr", Frames(200)));
    Get<ui::ComboBox>("ComboBox7a").SetText("20");
    ASSERT_EQ(pane.GetChart().Start(), 1);
    for (int chosen : {150, 3, 200}) {
        SCOPED_TRACE(chosen);
        Get<ui::ScrollBar>("ScrollBar_a").SetPosition(chosen);
        EXPECT_EQ(pane.CurrentFrame(), chosen);
        EXPECT_EQ(pane.GetChart().Start() + pane.GetChart().Offset(), chosen);
        EXPECT_EQ(Get<ui::Label>("Label1a").Text(), std::to_string(chosen));
        EXPECT_EQ(Row("ListView1", 26), std::to_string(chosen) + " / 200");
    }
    // A size that is not a whole number changes nothing and says so in Viewer's box.
    Get<ui::ComboBox>("ComboBox7a").SetText("2O");
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "'2O' is not a valid integer value.");
    EXPECT_EQ(dialogs.boxes[0].caption, "Viewer");
    EXPECT_EQ(pane.GetChart().ChartFrames(), 20);
    EXPECT_EQ(pane.CurrentFrame(), 200);
}

TEST_F(ViewerPaneTest, ValueTextsAndCaptionsOfTheTwins) {
    // Line 1 shows the left target air/fuel value in volts; byte 25 is marked bad.
    WriteSettings({{"Grafik1", "8"}, {"Grafik2", "0"}, {"Korr", "1"}});
    std::vector<RecordedFrame> frames = Frames(30);
    for (RecordedFrame& f : frames) {
        f.DataBytes[8] = 25;
        f.DataBytes[0] = 16;
    }
    Open(form->PaneA(), Write("a.vmr", frames));
    Open(form->PaneB(), Write("b.vmr", frames));
    EXPECT_EQ(Get<ui::Label>("Label4a").Text(), "0.49V - bad");
    EXPECT_EQ(Get<ui::Label>("Label4b").Text(), "0.49 V - bad");
    EXPECT_EQ(Get<ui::Label>("Label5a").Text(), "2.000 msec");
    EXPECT_EQ(Get<ui::Label>("Label5b").Text(), "2.000 msec");

    Get<ui::TrackBar>("TrackBar1b").SetPosition(3);
    EXPECT_EQ(form->Text(), "Графики  с 1 по 30 frame");
    Get<ui::TrackBar>("TrackBar1a").SetPosition(3);
    EXPECT_EQ(form->Text(), "Frame  from 1 to 30 frame");
    // The ignition scale of pane b has no points.
    WriteSettings({{"Grafik1", "1"}});
    Open(form->PaneA(), Write("a.vmr", frames));
    Open(form->PaneB(), Write("b.vmr", frames));
    EXPECT_EQ(Get<ui::Label>("Label10a").Text(), "100deg.");
    EXPECT_EQ(Get<ui::Label>("Label22a").Text(), "-100deg.");
    EXPECT_EQ(Get<ui::Label>("Label16b").Text(), "0deg");
    EXPECT_EQ(Get<ui::Label>("Label22b").Text(), "-100deg");
}

TEST_F(ViewerPaneTest, EachPanesPercentMarkFollowsItsOwnCoolantTemperature) {
    // Line 1 shows the left target air/fuel value in percent: raw 0 is -20 %.
    WriteSettings({{"Grafik1", "8"}, {"Korr", "2"}, {"Temperature", "1"}});
    int hot = -1, cold = -1;
    for (int v = 0; v < 256; ++v) {
        if (hot < 0 && CoolantTable(v) > 90) hot = v;
        if (cold < 0 && CoolantTable(v) > 20 && CoolantTable(v) < 60) cold = v;
    }
    ASSERT_GE(hot, 0);
    ASSERT_GE(cold, 0);
    auto frames = [](int coolant) {
        std::vector<RecordedFrame> f = Frames(5, 40);
        for (RecordedFrame& r : f) {
            r.DataBytes[5] = static_cast<std::uint8_t>(coolant);
            r.DataBytes[8] = 0;
        }
        return f;
    };
    Open(form->PaneA(), Write("hot.vmr", frames(hot)));
    Open(form->PaneB(), Write("cold.vmr", frames(cold)));
    // Whichever pane's list was drawn last: window sizes and window starts draw the values
    // without drawing a list.
    const std::pair<const char*, int> steps[] = {
        {"ComboBox7a", 2},  {"ScrollBar1a", 3}, {"TrackBar1b", 1}, {"ComboBox7b", 2},
        {"ScrollBar1b", 2}, {"TrackBar1a", 1},  {"ScrollBar1b", 3}};
    for (const auto& [name, value] : steps) {
        SCOPED_TRACE(name);
        if (name[0] == 'C')
            Get<ui::ComboBox>(name).SetText(std::to_string(value));
        else if (name[0] == 'S')
            Get<ui::ScrollBar>(name).SetPosition(value);
        else
            Get<ui::TrackBar>(name).SetPosition(value);
        EXPECT_EQ(Get<ui::Label>("Label4a").Text(), "-20.00% - bad");
        EXPECT_EQ(Get<ui::Label>("Label4b").Text(), "-20.00%");
    }
}

TEST_F(ViewerPaneTest, ListRowsAreTheViewersForThePanesOwnFrames) {
    WriteSettings({{"Vozduh", "3"}, {"Temperature", "2"}});
    std::vector<RecordedFrame> frames = Frames(150);
    frames[74].DataBytes[5] = 173;
    Open(form->PaneA(), Write("a.vmr", frames));
    Get<ui::ScrollBar>("ScrollBar_a").SetPosition(75);
    auto& list = Get<ui::ListView>("ListView1");
    ASSERT_EQ(list.ItemCount(), 28);
    EXPECT_EQ(list.ItemCaption(5), "5.А  MAP-Turbo, kPa:");
    EXPECT_EQ(list.ItemCaption(6), "6.А  Coolant temperature (inverce):");
    EXPECT_EQ(Row("ListView1", 6), "0.0 deg.\xD1");
    EXPECT_EQ(list.ItemCaption(21), "12.5  O2 sensor (right - for V6):");
    EXPECT_EQ(Row("ListView1", 26), "75 / 150");
    // The pickers list the rows' captions, then the empty choice.
    auto& picker = Get<ui::ComboBox>("ComboBox1a");
    ASSERT_EQ(picker.ItemCount(), 23);
    EXPECT_EQ(picker.Item(4), "5.А  MAP-Turbo, kPa:");
    EXPECT_EQ(picker.Item(22), "");
    EXPECT_EQ(picker.ItemIndex(), 3);
}

TEST_F(ViewerPaneTest, TheChartFillsThe569ColumnsOfThePaneImage) {
    // Engine speed falls to a flat end: the last two frames stand at the same height.
    std::vector<RecordedFrame> frames = Frames(8, 200);
    frames[7].DataBytes[3] = frames[6].DataBytes[3];
    Pane& pane = form->PaneB();
    Open(pane, Write("b.vmr", frames));
    ui::Bitmap& b = pane.ChartBitmap();
    const int last = 96;  // the row of raw 206: the ceiling of 199 - 103
    // The curve's last segment reaches the last columns of the image, and nothing is drawn
    // beyond them.
    bool reached = false;
    for (int dy = -1; dy <= 1; ++dy) reached |= b.Pixel(567, last + dy) == kLine1;
    EXPECT_TRUE(reached);
    EXPECT_EQ(CountColour(b, kLine1, 569, 600), 0);
    EXPECT_EQ(CountColour(b, kCanvas, 569, 600), 0);
    // The frame's right edge is the image's last column.
    EXPECT_EQ(b.Pixel(568, 150), 0xFFFFFFu);
    EXPECT_EQ(b.Pixel(567, 150), kCanvas);

    Get<ui::TrackBar>("TrackBar1b").SetPosition(7);
    EXPECT_EQ(pane.GetChart().MarkerColumnX(), 568);
    EXPECT_GT(CountColour(b, kMarker, 568, 568), 0);
    EXPECT_EQ(CountColour(b, kMarker, 569, 600), 0);
    // The image shows exactly the chart's columns.
    auto& image = Get<ui::Image>("Image1b");
    EXPECT_EQ(image.Picture().Width(), 569);
    EXPECT_EQ(image.Picture().Pixel(568, 50), b.Pixel(568, 50));
}

}  // namespace
