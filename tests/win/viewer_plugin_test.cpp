// Viewer.dll as the program loads it: this test program runs from a folder of its own that
// holds a copy of the library, so its main window finds the plug-in in its folder and the
// plug-in reads this program's settings file, as it reads Velmorant's.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "monitor/core/ini_file.h"
#include "monitor/core/settings_file.h"
#include "monitor/win/main_form.h"
#include "monitor/win/serial_api.h"
#include "tests/win/activation_support.h"
#include "tests/win/scripted_line.h"
#include "tests/win/window_text.h"
#include "ui/application.h"
#include "ui/menu.h"
#include "ui/scripted_dialogs.h"
#include "ui/text.h"
#include "ui/timer.h"

using namespace velmorant;
using velmorant::test::PumpFor;
using velmorant::test::WindowsCaptioned;

namespace {

constexpr char kViewerCaption[] = "Velmorant Viewer - view and compare data";

std::string WindowText(HWND hwnd) {
    return ui::WideToCp1251(test::WindowText(hwnd));
}

std::filesystem::path OwnSettingsFile() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return SettingsPathOf(path);
}

void PressEsc(HWND window) {
    HWND target = GetFocus() ? GetFocus() : window;
    PostMessageW(target, WM_KEYDOWN, VK_ESCAPE, 1);
    PostMessageW(target, WM_CHAR, 27, 1);
    PumpFor(100);
}

class ViewerPluginTest : public ::testing::Test {
protected:
    // One main window for all: the library is loaded once and stays, as in the program.
    static void SetUpTestSuite() {
        std::filesystem::remove(OwnSettingsFile());
        line = new test::ScriptedLine;
        SetSerialApi(line);
        dialogs = new ui::ScriptedDialogs;
        main = new TForm1;
        main->Create();
        main->Show();
        // Past the start-up step, which gives the main window the focus.
        PumpFor(400);
    }
    static void TearDownTestSuite() {
        delete main;
        delete dialogs;
        SetSerialApi(nullptr);
        delete line;
        std::filesystem::remove(OwnSettingsFile());
    }

    ui::MenuItem& TypeMenu() { return main->Get<ui::MenuItem>("N5"); }
    HWND Viewer() {
        auto found = WindowsCaptioned(kViewerCaption);
        return found.size() == 1 ? found[0] : nullptr;
    }
    void ChooseViewCommand() {
        SendMessageW(main->Handle(), WM_COMMAND, MAKEWPARAM(TypeMenu().Item(7).Command(), 0), 0);
        PumpFor(200);
    }

    static test::ScriptedLine* line;
    static ui::ScriptedDialogs* dialogs;
    static TForm1* main;
};

test::ScriptedLine* ViewerPluginTest::line = nullptr;
ui::ScriptedDialogs* ViewerPluginTest::dialogs = nullptr;
TForm1* ViewerPluginTest::main = nullptr;

TEST_F(ViewerPluginTest, AddsASeparatorThenTheViewerCommand) {
    EXPECT_TRUE(dialogs->boxes.empty());
    ASSERT_EQ(TypeMenu().Count(), 8);
    EXPECT_EQ(TypeMenu().Item(5).Caption(), "Bytes Protocol");
    EXPECT_EQ(TypeMenu().Item(6).Caption(), "-");
    EXPECT_EQ(TypeMenu().Item(7).Caption(), "View and compare data");
    EXPECT_EQ(main->Plugins().PluginList().size(), 1u);
    // The viewer window exists from the start, hidden; so does its about window.
    ASSERT_NE(Viewer(), nullptr);
    EXPECT_FALSE(IsWindowVisible(Viewer()));
}

TEST_F(ViewerPluginTest, CommandShowsTheMaximisedWindowAndEscOnlyHidesIt) {
    ChooseViewCommand();
    HWND viewer = Viewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(IsWindowVisible(viewer));
    EXPECT_TRUE(IsZoomed(viewer));
    // Without owner: a top-level window of its own.
    EXPECT_EQ(GetWindow(viewer, GW_OWNER), nullptr);

    PressEsc(viewer);
    EXPECT_FALSE(IsWindowVisible(viewer));

    ChooseViewCommand();
    EXPECT_EQ(Viewer(), viewer);
    EXPECT_TRUE(IsWindowVisible(viewer));
    // Chosen again while shown: still the one window.
    ChooseViewCommand();
    EXPECT_EQ(WindowsCaptioned(kViewerCaption).size(), 1u);
    PressEsc(viewer);
    EXPECT_FALSE(IsWindowVisible(viewer));
}

TEST_F(ViewerPluginTest, AboutWindowShowsTheVersionLineAndClosesOnEsc) {
    ChooseViewCommand();
    HWND viewer = Viewer();
    ASSERT_NE(viewer, nullptr);
    HMENU help = GetSubMenu(GetMenu(viewer), 1);
    const UINT about = GetMenuItemID(help, 0);

    // Looked at from inside the modal showing, then closed with Esc.
    std::string version;
    bool visible = false;
    SIZE client{};
    ui::Timer look(nullptr, "Look", 300, false);
    look.OnTimer = [&] {
        look.SetEnabled(false);
        auto found = WindowsCaptioned("About");
        if (found.size() != 1) return;
        HWND window = found[0];
        visible = IsWindowVisible(window);
        RECT r;
        GetClientRect(window, &r);
        client = {r.right, r.bottom};
        for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (WindowText(child).rfind("Version", 0) == 0) version = WindowText(child);
        PostMessageW(window, WM_CHAR, 27, 1);
    };
    look.SetEnabled(true);
    PostMessageW(viewer, WM_COMMAND, MAKEWPARAM(about, 0), 0);
    PumpFor(800);

    EXPECT_TRUE(visible);
    EXPECT_EQ(version, "Version 8000 Stable Edition [English]");
    EXPECT_EQ(client.cx, 385);
    EXPECT_EQ(client.cy, 124);
    auto found = WindowsCaptioned("About");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_FALSE(IsWindowVisible(found[0]));
    EXPECT_TRUE(IsWindowEnabled(viewer));
    PressEsc(viewer);
}

TEST_F(ViewerPluginTest, ShowingAppliesTheVersionRuleToTheProgramsSettingsFile) {
    std::ofstream(OwnSettingsFile(), std::ios::binary)
        << "[Main]\r\nVersion=1001\r\n[Param]\r\nVozduh=4\r\n[FormPos]\r\nForm1X=7\r\n"
           "[Start]\r\nManyInstances=1\r\n";
    ChooseViewCommand();
    const IniFile after = IniFile::Load(OwnSettingsFile());
    EXPECT_FALSE(after.HasSection("Param"));
    EXPECT_FALSE(after.HasSection("FormPos"));
    EXPECT_EQ(after.ReadString("Start", "ManyInstances", ""), "1");
    PressEsc(Viewer());
    std::filesystem::remove(OwnSettingsFile());
}

}  // namespace
