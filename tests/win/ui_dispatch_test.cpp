#include <gtest/gtest.h>

#include <windows.h>
#include <oleauto.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "ui/application.h"
#include "ui/button.h"
#include "ui/clock.h"
#include "ui/dialog_components.h"
#include "ui/error_box.h"
#include "ui/form.h"
#include "ui/program_environment.h"
#include "ui/range_control.h"
#include "ui/scripted_dialogs.h"
#include "ui/timer.h"

namespace {

TEST(ErrorBoxTextTest, AddsAFullStopAfterCharactersThatSortAfterIt) {
    struct Case {
        const char* message;
        const char* shown;
    };
    const Case cases[] = {
        {"Port busy", "Port busy."},
        {"'COM' is not a valid integer value", "'COM' is not a valid integer value."},
        {"Done.", "Done."},
        {"Error!", "Error!"},  // '!' sorts before '.'
        {"(x)", "(x)"},
        {"50%", "50%"},
        {"a-", "a-"},
        {"a,", "a,"},
        {"a/", "a/."},  // '/' sorts right after '.'
        {"COM12", "COM12."},
        {"Ошибка записи", "Ошибка записи."},  // CP1251 letters are above 0x80
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(ui::ErrorBoxText(c.message), c.shown) << c.message;
}

const ui::FormDesign kDesign{.name = "DispatchForm", .caption = "Dispatch", .clientWidth = 200,
                             .clientHeight = 100};

const ui::Design kComponents[] = {
    {.kind = ui::Kind::Button, .name = "Button1", .width = 60, .height = 24, .caption = "Read"},
    {.kind = ui::Kind::ScrollBar, .name = "ScrollBar1", .top = 30, .width = 150, .height = 17,
     .min = 1, .max = 10, .position = 1},
    {.kind = ui::Kind::Timer, .name = "Timer1", .enabled = false, .interval = 10},
    {.kind = ui::Kind::OpenDialog, .name = "OpenDialog1", .filter = "Velmorant 1.0|*.vmr",
     .defaultExt = ".vmr"},
    {.kind = ui::Kind::SaveDialog, .name = "SaveDialog1",
     .filter = "Velmorant 1.0|*.vmr|Excel|*.csv", .defaultExt = ".vmr"},
    {.kind = ui::Kind::ColourDialog, .name = "ColorDialog1"},
};

class DispatchTest : public ::testing::Test {
protected:
    ui::ScriptedDialogs dialogs;
    ui::Form form{kDesign, kComponents};
    ui::Button& button = form.Get<ui::Button>("Button1");

    // A click as Win32 delivers it: the button notifies its parent, which reflects it.
    void Click() { SendMessageW(button.Handle(), BM_CLICK, 0, 0); }
};

// An error escaping a handler ends in exactly one standard error box and the program goes on.
TEST_F(DispatchTest, AnErrorInAHandlerShowsTheStandardErrorBox) {
    int runs = 0;
    button.OnClick = [&] {
        ++runs;
        throw std::runtime_error("Error opening COM7");
    };
    Click();
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "Error opening COM7.");
    EXPECT_EQ(dialogs.boxes[0].caption, "Velmorant");
    EXPECT_EQ(dialogs.boxes[0].flags, static_cast<UINT>(MB_ICONERROR | MB_OK));

    // The barrier holds for the next message too, and for errors of any type.
    button.OnClick = [&] {
        ++runs;
        throw 42;
    };
    Click();
    EXPECT_EQ(runs, 2);
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(dialogs.boxes[1].text, "Unknown error.");

    ui::SetApplicationTitle("Viewer");
    button.OnClick = [] { throw std::runtime_error("Неверный формат"); };
    Click();
    ui::SetApplicationTitle("Velmorant");
    ASSERT_EQ(dialogs.boxes.size(), 3u);
    EXPECT_EQ(dialogs.boxes[2].text, "Неверный формат.");
    EXPECT_EQ(dialogs.boxes[2].caption, "Viewer");
}

// A handler run from code (a position set in a click handler) is no barrier of its own: its
// error ends the whole click, in one box.
TEST_F(DispatchTest, AnErrorInANestedHandlerEndsTheOuterOne) {
    auto& bar = form.Get<ui::ScrollBar>("ScrollBar1");
    bar.OnChange = [] { throw std::runtime_error("'' is not a valid integer value"); };
    bool rest = false;
    button.OnClick = [&] {
        bar.SetPosition(bar.Position() + 1);
        rest = true;
    };
    Click();
    EXPECT_FALSE(rest);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "'' is not a valid integer value.");
    EXPECT_EQ(bar.Position(), 2);
}

TEST_F(DispatchTest, TimerErrorsAndCreationErrorsGoToTheBoxToo) {
    auto& timer = form.Get<ui::Timer>("Timer1");
    timer.OnTimer = [&] {
        timer.SetEnabled(false);
        throw std::runtime_error("Unable to write to C:\\Velmorant.ini");
    };
    timer.SetEnabled(true);
    for (int i = 0; i < 50 && dialogs.boxes.empty(); ++i) {
        Sleep(10);
        ui::ProcessMessages();
    }
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "Unable to write to C:\\Velmorant.ini.");

    form.OnCreate = [] { throw std::runtime_error("Error Viewer.dll"); };
    form.Create();
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(dialogs.boxes[1].text, "Error Viewer.dll.");
}

// The dialogs are asked through the seam with the component's settings, and a choice comes
// back as a path (UTF-16 on Windows, never through CP1251).
TEST_F(DispatchTest, FileDialogsAskThroughTheSeam) {
    auto& save = form.Get<ui::SaveDialog>("SaveDialog1");
    const std::filesystem::path chosen = L"C:\\Записи\\заезд №1.csv";
    dialogs.fileAnswers.push_back(ui::FileDialogAnswer{chosen, 2});
    save.SetFileName(L"C:\\old.vmr");
    auto got = save.Execute();
    ASSERT_TRUE(got);
    EXPECT_EQ(*got, chosen);
    EXPECT_EQ(save.FileName(), chosen);
    EXPECT_EQ(save.FilterIndex(), 2);
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    const auto& asked = dialogs.fileRequests[0];
    EXPECT_TRUE(asked.save);
    EXPECT_EQ(asked.filter, "Velmorant 1.0|*.vmr|Excel|*.csv");
    EXPECT_EQ(asked.defaultExt, ".vmr");
    EXPECT_EQ(asked.fileName, std::filesystem::path(L"C:\\old.vmr"));

    // Cancelled: nothing comes back and nothing changes.
    auto& open = form.Get<ui::OpenDialog>("OpenDialog1");
    open.SetFileName(L"C:\\a.vmr");
    EXPECT_FALSE(open.Execute());
    EXPECT_EQ(open.FileName(), std::filesystem::path(L"C:\\a.vmr"));
    ASSERT_EQ(dialogs.fileRequests.size(), 2u);
    EXPECT_FALSE(dialogs.fileRequests[1].save);

    // The colour dialog opens on the colour chosen last.
    auto& colour = form.Get<ui::ColourDialog>("ColorDialog1");
    dialogs.colourAnswers.push_back(0x8080FF);
    EXPECT_EQ(colour.Execute(), std::optional<ui::Colour>(0x8080FF));
    EXPECT_FALSE(colour.Execute());
    EXPECT_EQ(dialogs.colourRequests, (std::vector<ui::Colour>{ui::kBlack, 0x8080FF}));
    EXPECT_EQ(colour.GetColour(), 0x8080FFu);
}

TEST_F(DispatchTest, MessageBoxesAreAnsweredFromTheScript) {
    dialogs.answers = {IDNO, IDYES};
    EXPECT_EQ(ui::ShowMessageBox("Data not saved. Save to file?", "Velmorant",
                                 MB_YESNOCANCEL | MB_ICONQUESTION),
              IDNO);
    EXPECT_EQ(ui::ShowMessageBox("Again?", "Velmorant", MB_YESNOCANCEL), IDYES);
    // Unscripted: closed, as a user who only dismisses it would.
    EXPECT_EQ(ui::ShowMessageBox("Again?", "Velmorant", MB_YESNOCANCEL), IDCANCEL);
    ui::ShowMessage("There is nothing to delete ;)");
    ASSERT_EQ(dialogs.boxes.size(), 4u);
    EXPECT_EQ(dialogs.boxes[3].caption, "Velmorant");
    EXPECT_EQ(dialogs.boxes[3].flags, static_cast<UINT>(MB_OK));
}

// Days since 30 December 1899, as OLE dates count them too.
TEST(ClockTest, NowIsTheLocalOleDate) {
    SYSTEMTIME t;
    GetLocalTime(&t);
    t.wMilliseconds = 0;
    double ole = 0;
    ASSERT_TRUE(SystemTimeToVariantTime(&t, &ole));
    double now = ui::Now();
    EXPECT_GE(now, ole);
    EXPECT_LT(now, ole + 2.0 / 86400);

    struct Fixed : ui::Clock {
        double Now() override { return 36526.5; }
    } fixed;
    ui::SetClock(&fixed);
    EXPECT_EQ(ui::Now(), 36526.5);
    ui::SetClock(nullptr);
    EXPECT_GT(ui::Now(), 40000);
}

TEST(ProgramEnvironmentTest, FolderAndArgumentsComeFromTheSeam) {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    EXPECT_EQ(ui::ExecutablePath(), std::filesystem::path(self));
    EXPECT_EQ(ui::ProgramFolder(), std::filesystem::path(self).parent_path());

    struct Fake : ui::ProgramEnvironment {
        std::filesystem::path ExecutablePath() override { return L"D:\\Программы\\Velmorant.exe"; }
        std::vector<std::wstring> Arguments() override { return {L"D:\\заезд.vmr"}; }
    } fake;
    ui::SetProgramEnvironment(&fake);
    EXPECT_EQ(ui::ProgramFolder(), std::filesystem::path(L"D:\\Программы"));
    EXPECT_EQ(ui::CommandLineArguments(), std::vector<std::wstring>{L"D:\\заезд.vmr"});
    ui::SetProgramEnvironment(nullptr);
}

}  // namespace
