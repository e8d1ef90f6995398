#include "monitor/win/program_forms.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "monitor/core/atomic_file.h"
#include "monitor/core/bookmarks.h"
#include "monitor/core/ini_file.h"
#include "monitor/core/record_file_writer.h"
#include "monitor/core/settings_file.h"
#include "monitor/win/driving_form.h"
#include "monitor/win/large_display_form.h"
#include "monitor/win/main_form.h"
#include "monitor/win/program_state.h"
#include "tests/win/program_folder.h"
#include "tests/win/program_windows_fixture.h"
#include "tests/win/pump.h"
#include "tests/win/recording_support.h"
#include "tests/win/scripted_line.h"
#include "tests/win/work_area.h"
#include "ui/application.h"
#include "ui/button.h"
#include "ui/edit.h"
#include "ui/menu.h"
#include "ui/range_control.h"
#include "ui/scripted_dialogs.h"
#include "ui/timer.h"

using namespace velmorant;
using velmorant::test::PrimaryWorkArea;
using velmorant::test::WhollyOn;

namespace {

// Every window of the program, created as the program entry creates them.
class ProgramFormsTest : public test::ProgramWindowsFixture {
protected:
    std::filesystem::path SettingsFile() { return env.SettingsFile(); }
    TForm1& Create() { return *(main = &CreateProgramForms()); }

    // Left and top of the numbered windows, and of the driving-parameters window as 10.
    std::vector<std::pair<int, POINT>> Places() {
        std::vector<std::pair<int, POINT>> places;
        for (const auto& [n, form] : NumberedWindows(*main))
            places.push_back({n, POINT{form->Left(), form->Top()}});
        places.push_back({10, POINT{Forms.Form10->Left(), Forms.Form10->Top()}});
        return places;
    }
    void ExpectPlaces(const Settings& stored) {
        const auto places = Places();
        ASSERT_EQ(places.size(), 9u);
        for (const auto& [n, place] : places) {
            const WindowPosition want = stored.FormPos[n == 10 ? 7 : n].value();
            EXPECT_EQ(place.x, want.X) << "window " << n;
            EXPECT_EQ(place.y, want.Y) << "window " << n;
        }
    }

    test::ProgramFolder env{"velmorant_program_forms_test"};
    TForm1* main = nullptr;
};

bool Overlap(const RECT& a, const RECT& b) {
    RECT shared;
    return IntersectRect(&shared, &a, &b) != FALSE;
}

Settings PlacedSettings() {
    Settings s;
    int k = 1;
    for (int n : kFormPosWindows) {
        s.FormPos[n] = {20 * k, 10 * k + 3};
        ++k;
    }
    return s;
}

}  // namespace

TEST_F(ProgramFormsTest, EveryWindowInItsOrderAndTheSettingsWindowLast) {
    Create();
    const std::vector<int> numbers = [&] {
        std::vector<int> v;
        for (const auto& [n, form] : NumberedWindows(*main)) v.push_back(n);
        return v;
    }();
    EXPECT_EQ(numbers, (std::vector<int>{1, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(ui::App().MainForm(), main);
    for (const auto& [n, form] : NumberedWindows(*main))
        EXPECT_FALSE(IsWindowVisible(form->Handle())) << "window " << n;
}

// Characters of the program's own texts ("1.А  Injection time:", "№1", "deg.С") have glyphs
// in the fonts of the controls that show them, the default face among them, whatever the
// system's code page: a face without them draws black bars.
TEST_F(ProgramFormsTest, ControlFontsHoldTheCyrillicLetters) {
    Create();
    const std::pair<ui::Form*, const char*> controls[] = {
        {main, "ListView1"}, {main, "Button2"}, {Forms.Form3, "ComboBox1"}};
    for (const auto& [form, name] : controls) {
        SCOPED_TRACE(name);
        HWND control = dynamic_cast<ui::WinControl&>(*form->FindComponent(name)).Handle();
        auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
        ASSERT_NE(font, nullptr);
        HDC dc = GetDC(control);
        HGDIOBJ old = SelectObject(dc, font);
        const std::wstring text = L"А№С";
        WORD glyphs[3] = {};
        ASSERT_EQ(GetGlyphIndicesW(dc, text.c_str(), 3, glyphs, GGI_MARK_NONEXISTING_GLYPHS), 3u);
        for (int i = 0; i < 3; ++i) EXPECT_NE(glyphs[i], 0xFFFF) << "character " << i;
        SelectObject(dc, old);
        ReleaseDC(control, dc);
    }
}

// Without a settings file the main window opens at the top left of the work area; the
// charts, help, about, car description and settings windows beside it, wholly on the work
// area and clear of it; the large display, the driving-parameters window and the cable check
// at its place. The car window shows the defaults.
TEST_F(ProgramFormsTest, WithoutAFileTheWindowsGoBesideTheMainWindow) {
    Create();
    const RECT work = PrimaryWorkArea();
    EXPECT_EQ(main->Left(), work.left);
    EXPECT_EQ(main->Top(), work.top);
    const std::vector<ui::Form*> beside = {Forms.Form3, Forms.Form4, Forms.Form5, Forms.Form6,
                                           Forms.Form9};
    for (ui::Form* form : beside) {
        SCOPED_TRACE(form->Caption());
        EXPECT_TRUE(WhollyOn(work, form->Bounds()));
        EXPECT_FALSE(Overlap(main->Bounds(), form->Bounds()));
    }
    const std::vector<ui::Form*> inItsPlace = {Forms.Form7, Forms.Form8, Forms.Form10};
    for (ui::Form* form : inItsPlace) {
        EXPECT_EQ(form->Left(), main->Left()) << form->Caption();
        EXPECT_EQ(form->Top(), main->Top()) << form->Caption();
    }
    EXPECT_EQ(Forms.Form6->Koment(), KomentSettings{});
}

// A fresh start with a recording named on the command line: the car window that the file
// opens and the charts that the user opens stand beside the main window, as Windows shows them.
TEST_F(ProgramFormsTest, FreshStartWithARecordingOpensTheCarAndChartsBesideTheMainWindow) {
    const auto file = env.folder / "recording.vmr";
    test::WriteTestRecording(file, 12);
    env.arguments = {file.wstring()};
    Create();
    main->Show();
    main->Timer2Timer();
    ASSERT_TRUE(IsWindowVisible(Forms.Form6->Handle()));
    main->N8Click();
    ASSERT_TRUE(IsWindowVisible(Forms.Form3->Handle()));
    const RECT work = PrimaryWorkArea();
    const RECT mainRect = test::WindowRectOf(main->Handle());
    const std::vector<ui::Form*> opened = {Forms.Form3, Forms.Form6};
    for (ui::Form* form : opened) {
        SCOPED_TRACE(form->Caption());
        const RECT r = test::WindowRectOf(form->Handle());
        EXPECT_TRUE(WhollyOn(work, r));
        EXPECT_FALSE(Overlap(mainRect, r));
    }
}

// A window without a stored place opens beside the main window where that stands by then,
// until the user moves it: then it opens where he left it. A settings file that stores only
// the main window's place, here at the right edge of the screen, puts the others beside it.
TEST_F(ProgramFormsTest, WithoutAStoredPlaceAWindowOpensBesideTheMainWindowWhereItIsNow) {
    std::ofstream(SettingsFile(), std::ios::binary)
        << "[Main]\r\nVersion=8000\r\n[FormPos]\r\n1X=20000\r\n1Y=40\r\n";
    Create();
    const RECT work = PrimaryWorkArea();
    TForm3& charts = *Forms.Form3;
    ASSERT_EQ(main->Left() + main->Width(), work.right);
    EXPECT_EQ(charts.Left() + charts.Width(), main->Left());  // left of it: no room on the right
    EXPECT_EQ(charts.Top(), main->Top());

    main->Show();
    main->SetLeft(work.left);
    charts.Show();
    EXPECT_EQ(charts.Left(), main->Left() + main->Width());
    EXPECT_EQ(charts.Top(), main->Top());

    charts.Hide();
    main->SetLeft(work.left + 30);
    charts.Show();
    EXPECT_EQ(charts.Left(), main->Left() + main->Width()) << "moved along";

    charts.SetLeft(charts.Left() + 15);
    const POINT left = {charts.Left(), charts.Top()};
    charts.Hide();
    main->SetLeft(work.left);
    charts.Show();
    EXPECT_EQ(charts.Left(), left.x) << "where the user left it";
    EXPECT_EQ(charts.Top(), left.y);
    charts.Hide();
}

// A place stored at (0, 0) is a stored place: a file that stores the top left of the screen
// for every window puts every window there, the driving-parameters window with the large
// display.
TEST_F(ProgramFormsTest, PlacesStoredAtTheTopLeftAreKept) {
    Settings stored;
    for (int n : kFormPosWindows) stored.FormPos[n] = WindowPosition{0, 0};
    WriteSettings(SettingsFile(), stored, false);
    Create();
    ExpectPlaces(stored);
    Forms.Form3->Show();
    EXPECT_EQ(Forms.Form3->Left(), 0);
    EXPECT_EQ(Forms.Form3->Top(), 0);
    Forms.Form3->Hide();
}

// The stored places are applied at creation and again at every reading: showing the settings
// window moves windows that were moved since back, but leaves the car texts alone.
TEST_F(ProgramFormsTest, StoredPlacesAreTakenAtCreationAndAtEveryReading) {
    Settings stored = PlacedSettings();
    stored.Koment.Marka = "Другая машина";
    WriteSettings(SettingsFile(), stored, false);
    Create();
    ExpectPlaces(stored);
    EXPECT_EQ(Forms.Form6->Koment().Marka, "Другая машина");

    main->SetLeft(400);
    Forms.Form7->SetTop(333);
    Forms.Form10->SetLeft(1);
    Forms.Form6->ApplyKoment(KomentSettings{});
    Forms.Form9->Show();
    ExpectPlaces(stored);
    EXPECT_EQ(Forms.Form6->Koment().Marka, KomentSettings{}.Marka);
    Forms.Form9->Hide();
}

// A stored place where a window would not lie wholly on the work area moves it the least it
// takes to lie wholly on it; places wholly on it stay. The driving-parameters window takes the
// large display's place, moved in turn where its own size does not fit there.
TEST_F(ProgramFormsTest, PlacesNotWhollyOnTheScreenAreMovedWhollyOntoIt) {
    Create();
    const RECT work = PrimaryWorkArea();
    struct Case {
        const char* what;
        POINT stored;
        // The place expected, from the window's size; nullptr: the stored one.
        POINT (*expected)(const RECT& work, int width, int height);
    };
    const Case cases[] = {
        {"on the screen", {work.left + 20, work.top + 13}, nullptr},
        {"at the top left", {work.left, work.top}, nullptr},
        {"partly off the left",
         {work.left - 200, work.top + 50},
         [](const RECT& w, int, int) {
             return POINT{w.left, w.top + 50};
         }},
        {"partly off the top",
         {work.left + 10, work.top - 5},
         [](const RECT& w, int, int) {
             return POINT{w.left + 10, w.top};
         }},
        {"far above and left",
         {-5000, -5000},
         [](const RECT& w, int, int) {
             return POINT{w.left, w.top};
         }},
        {"far right",
         {20000, work.top + 40},
         [](const RECT& w, int width, int) {
             return POINT{w.right - width, w.top + 40};
         }},
        {"below the screen",
         {work.left + 30, 20000},
         [](const RECT& w, int, int height) {
             return POINT{w.left + 30, w.bottom - height};
         }},
        {"far off at (5000, 5000)",
         {5000, 5000},
         [](const RECT& w, int width, int height) {
             return POINT{w.right - width, w.bottom - height};
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Settings stored;
        for (int n : kFormPosWindows) stored.FormPos[n] = {c.stored.x, c.stored.y};
        PlaceWindows(*main, stored);
        for (const auto& [n, form] : NumberedWindows(*main)) {
            const POINT want =
                c.expected ? c.expected(work, form->Width(), form->Height()) : c.stored;
            EXPECT_EQ(form->Left(), want.x) << "window " << n;
            EXPECT_EQ(form->Top(), want.y) << "window " << n;
        }
        const RECT large = Forms.Form7->Bounds();
        const RECT driving = Forms.Form10->Bounds();
        EXPECT_TRUE(WhollyOn(work, driving));
        const RECT drivingAtLarge = {large.left, large.top, large.left + Forms.Form10->Width(),
                                     large.top + Forms.Form10->Height()};
        if (WhollyOn(work, drivingAtLarge)) {
            EXPECT_EQ(driving.left, large.left);
            EXPECT_EQ(driving.top, large.top);
        }
    }
}

// Places far off every screen in the settings file end wholly on the work area, at the start
// and as each window is shown: the two display windows take each other's place on showing,
// the settings window reads the file again.
TEST_F(ProgramFormsTest, PlacesFarOffInTheFileEndWhollyOnTheScreen) {
    Settings stored;
    for (int n : kFormPosWindows) stored.FormPos[n] = {5000, 5000};
    WriteSettings(SettingsFile(), stored, false);
    Create();
    const RECT work = PrimaryWorkArea();
    EXPECT_EQ(main->Left(), work.right - main->Width());
    EXPECT_EQ(main->Top(), work.bottom - main->Height());
    struct Step {
        const char* what;
        ui::Form* shown;
    };
    const Step steps[] = {
        {"at the start", nullptr},
        {"driving shown", Forms.Form10},
        {"large display shown", Forms.Form7},
        {"driving again", Forms.Form10},
        {"settings shown", Forms.Form9},
        {"charts shown", Forms.Form3},
        {"help shown", Forms.Form4},
        {"car description shown", Forms.Form6},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        if (step.shown) step.shown->Show();
        for (const auto& [n, form] : NumberedWindows(*main))
            EXPECT_TRUE(WhollyOn(work, form->Bounds())) << "window " << n;
        EXPECT_TRUE(WhollyOn(work, Forms.Form10->Bounds())) << "window 10";
        if (step.shown) step.shown->Hide();
    }
}

// Any integer stored as a place puts every window wholly on the screen, as the program
// holds it and as Windows shows it: the right edge of a window at 2147483500 lies past
// INT_MAX and must not wrap round onto the screen.
TEST_F(ProgramFormsTest, ExtremeStoredPlacesPutEveryWindowWhollyOnTheScreen) {
    const RECT work = PrimaryWorkArea();
    struct Case {
        const char* what;
        int x, y;
        bool mainOnly;  // only "1X" and "1Y" stored, no place for the rest
    };
    const Case cases[] = {
        {"1X=2147483500", 2147483500, 0, true},
        {"all at 2147483500, 2147483500", 2147483500, 2147483500, false},
        {"all at INT_MAX, INT_MAX", INT_MAX, INT_MAX, false},
        {"all at INT_MIN, INT_MIN", INT_MIN, INT_MIN, false},
        {"all at INT_MIN, INT_MAX", INT_MIN, INT_MAX, false},
        {"all at INT_MAX, INT_MIN", INT_MAX, INT_MIN, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Settings stored;
        for (int n : kFormPosWindows)
            if (!c.mainOnly || n == 1) stored.FormPos[n] = {c.x, c.y};
        WriteSettings(SettingsFile(), stored, false);
        Create();
        main->Show();
        for (const auto& [n, form] : NumberedWindows(*main)) {
            EXPECT_TRUE(WhollyOn(work, form->Bounds())) << "window " << n;
            EXPECT_TRUE(WhollyOn(work, test::WindowRectOf(form->Handle()))) << "window " << n;
        }
        EXPECT_TRUE(WhollyOn(work, Forms.Form10->Bounds())) << "window 10";
        if (c.x == 2147483500) {
            EXPECT_EQ(main->Left(), work.right - main->Width());
        }
        ui::App().DestroyForms();
        Forms = {};
    }
}

// A file older than the current format loses its places: every window goes where it goes
// without a file.
TEST_F(ProgramFormsTest, AnOldFileLosesItsPlaces) {
    Create();
    const auto fresh = Places();
    ui::App().DestroyForms();
    Forms = {};
    WriteSettings(SettingsFile(), PlacedSettings(), false);
    IniFile ini = IniFile::Load(SettingsFile());
    ini.WriteString("Main", "Version", "7000");
    ini.Save(SettingsFile());
    Create();
    const auto places = Places();
    ASSERT_EQ(places.size(), fresh.size());
    for (std::size_t i = 0; i < places.size(); ++i) {
        EXPECT_EQ(places[i].second.x, fresh[i].second.x) << "window " << places[i].first;
        EXPECT_EQ(places[i].second.y, fresh[i].second.y) << "window " << places[i].first;
    }
    EXPECT_EQ(IniFile::Load(SettingsFile()).Text().find("[FormPos]"), std::string::npos);
}

// The places written are where the windows stand; a write after start-up leaves the section
// of the windows open at exit as the exit wrote it.
TEST_F(ProgramFormsTest, WritesKeepThePlacesAndOnlyTheExitWritesTheOpenWindows) {
    Create();
    const Settings stored = PlacedSettings();
    PlaceWindows(*main, stored);
    main->FormClose();  // the exit: help window hidden
    EXPECT_FALSE(ReadSettings(SettingsFile()).Metodika);
    EXPECT_EQ(ReadSettings(SettingsFile()).FormPos, stored.FormPos);

    Forms.Form4->Show();
    main->Timer6Timer();  // start-up done from here on
    ASSERT_TRUE(main->StartupDone());
    main->SaveSettings();
    EXPECT_FALSE(ReadSettings(SettingsFile()).Metodika);
}

// The file named on the command line is opened after the settings are read again with the
// car defaults, and the blank start-up frame never lands on top of it, whichever of the two
// timers fires first. Until the settings window exists the file waits.
TEST_F(ProgramFormsTest, CommandLineFileComesAfterTheSettingsAndTheStartupFrame) {
    const auto file = env.folder / "recording.vmr";
    test::WriteTestRecording(file, 12);
    env.arguments = {file.wstring()};
    Settings stored = PlacedSettings();
    WriteSettings(SettingsFile(), stored, false);
    Create();
    auto& timer2 = main->Get<ui::Timer>("Timer2");
    EXPECT_TRUE(timer2.Enabled());

    TForm9* settings = Forms.Form9;
    Forms.Form9 = nullptr;
    main->Timer2Timer();
    EXPECT_TRUE(timer2.Enabled());
    EXPECT_EQ(main->Get<ui::ScrollBar>("ScrollBar1").Max(), 1);
    Forms.Form9 = settings;

    main->SetLeft(500);
    main->Timer2Timer();
    main->StoreStartupFrame();  // the 30 ms timer firing late
    EXPECT_FALSE(timer2.Enabled());
    EXPECT_EQ(main->Left(), stored.FormPos[1]->X);
    EXPECT_EQ(main->Get<ui::ScrollBar>("ScrollBar1").Max(), 12);
    EXPECT_EQ(FrameCount.load(), 13);
    EXPECT_EQ(main->Get<ui::Edit>("Edit1").Text(), "Data from: recording.vmr");
    EXPECT_EQ(Forms.Form6->Car()[0], "Моя машина");  // the file's, after the defaults
}

// Started with a file that brings reference values, the window widens for them and the two
// bookmark rows are laid out for the width it ends with, as through "View".
TEST_F(ProgramFormsTest, CommandLineFileWithReferencesLaysOutTheBookmarksForTheWiderWindow) {
    const auto file = env.folder / "references.vmr";
    RecordFileSections sections;
    sections.ReasonsForDiagnostics = std::vector<std::string>{"Проверка"};
    for (auto& column : sections.References) column.assign(25, "1.0");
    ASSERT_TRUE(WriteRecordFile(file, std::vector<RecordedFrame>(3), sections, {}).Ok());
    env.arguments = {file.wstring()};
    WriteSettings(SettingsFile(), PlacedSettings(), false);
    Create();
    const int narrow = main->Width();
    // As the program entry starts it, the timers then run from the message loop.
    main->Show();
    main->Get<ui::Timer>("Timer1").SetEnabled(true);
    auto& status = main->Get<ui::Edit>("Edit1");
    test::PumpUntil([&] { return status.Text().rfind("Data from", 0) == 0; });
    ASSERT_EQ(status.Text(), "Data from: references.vmr");
    ASSERT_TRUE(main->Get<ui::MenuItem>("N13").Checked());
    ASSERT_GT(main->Width(), narrow);
    const auto places = BookmarkLayout(main->Width());
    for (int b = 1; b <= 10; ++b) {
        const auto& button = main->Get<ui::Button>("BitBtn" + std::to_string(b));
        const BookmarkPlace& want = places[static_cast<std::size_t>((b - 1) % 5)];
        EXPECT_EQ(button.Left(), want.Left) << "bookmark " << b;
        EXPECT_EQ(button.Width(), want.Width) << "bookmark " << b;
    }
}

// The start-up step reopens the charts and help windows that were open at the last exit.
TEST_F(ProgramFormsTest, StartupReopensTheWindowsOpenAtTheLastExit) {
    struct Case {
        bool graphs, metodika;
    };
    for (const Case c : {Case{false, false}, Case{true, false}, Case{false, true}}) {
        Settings stored;
        stored.Graphs = c.graphs;
        stored.Metodika = c.metodika;
        WriteSettings(SettingsFile(), stored, true);
        Create();
        main->Show();
        main->Timer6Timer();
        EXPECT_EQ(IsWindowVisible(Forms.Form3->Handle()) != 0, c.graphs);
        EXPECT_EQ(IsWindowVisible(Forms.Form4->Handle()) != 0, c.metodika);
        EXPECT_TRUE(main->StartupDone());
        main->FormClose();
        ui::App().DestroyForms();
        Forms = {};
    }
}

// A file named on the command line relative to the folder the program started in is that
// folder's file, whatever the current folder is later: it is read, and Save As offers it by
// its full name, not the bare name another folder would give another file.
TEST_F(ProgramFormsTest, RelativeCommandLineFileIsTheStartFoldersFile) {
    test::WriteTestRecording(env.folder / "rich.vmr", 12);
    const auto elsewhere = env.folder / "elsewhere";
    std::filesystem::create_directories(elsewhere);
    test::WriteTestRecording(elsewhere / "rich.vmr", 5);
    env.arguments = {L"rich.vmr"};
    struct Restore {
        std::filesystem::path folder = std::filesystem::current_path();
        ~Restore() { std::filesystem::current_path(folder); }
    } restore;
    std::filesystem::current_path(env.folder);
    Create();
    std::filesystem::current_path(elsewhere);
    main->Timer2Timer();
    EXPECT_EQ(main->Get<ui::ScrollBar>("ScrollBar1").Max(), 12);
    EXPECT_EQ(main->Get<ui::Edit>("Edit1").Text(), "Data from: rich.vmr");

    main->Get<ui::MenuItem>("N3").Click();
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].fileName, env.folder / "rich.vmr");
}

// A program folder where nothing new can be made, with a settings file that may be written:
// the version rule's erasure at start and the exit's write go into the file itself.
TEST_F(ProgramFormsTest, SettingsAreWrittenInPlaceWhereNoTemporaryFileCanBeMade) {
    std::ofstream(SettingsFile(), std::ios::binary)
        << "[Main]\r\nVersion=7000\r\n[Param]\r\nVozduh=4\r\n[Koment]\r\nMarka=Car\r\n";
    SetTemporaryPathRule([](const std::filesystem::path& target) {
        return target.parent_path() / "no such folder" / "x.tmp";
    });
    struct Restore {
        ~Restore() { SetTemporaryPathRule(nullptr); }
    } restore;
    Create();
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_FALSE(IniFile::Load(SettingsFile()).HasSection("Param"));

    const Settings stored = PlacedSettings();
    PlaceWindows(*main, stored);
    main->FormClose();
    EXPECT_TRUE(dialogs.boxes.empty());
    const IniFile written = IniFile::Load(SettingsFile());
    EXPECT_EQ(written.ReadString("Main", "Version", ""), "8000");
    EXPECT_EQ(ReadSettings(SettingsFile()).FormPos, stored.FormPos);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(env.folder),
                            std::filesystem::directory_iterator()),
              1);
}

// Started with a file while an old settings file cannot be erased (another program holds it
// open): both readings say so in the error box, and the file is opened all the same.
TEST_F(ProgramFormsTest, CommandLineFileOpensWhenTheSettingsCannotBeErased) {
    const auto file = env.folder / "recording.vmr";
    test::WriteTestRecording(file, 12);
    env.arguments = {file.wstring()};
    std::ofstream(SettingsFile(), std::ios::binary)
        << "[Main]\r\nVersion=7000\r\n[Param]\r\nVozduh=4\r\n";
    HANDLE held = CreateFileW(SettingsFile().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    struct Release {
        HANDLE handle;
        ~Release() { CloseHandle(handle); }
    } release{held};
    Create();
    main->Timer2Timer();
    const std::string unable = "Unable to write to " + PathText(SettingsFile()) + ".";
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    for (const auto& box : dialogs.boxes) EXPECT_EQ(box.text, unable);
    EXPECT_EQ(main->Get<ui::ScrollBar>("ScrollBar1").Max(), 12);
    EXPECT_EQ(main->Get<ui::Edit>("Edit1").Text(), "Data from: recording.vmr");
}
