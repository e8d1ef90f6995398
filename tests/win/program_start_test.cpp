// The program's start as its entry runs it. This test program runs beside a copy of
// Viewer.dll, which it copies into the program folders it starts from.
#include "monitor/win/program_start.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

#include "monitor/win/main_form.h"
#include "monitor/win/program_forms.h"
#include "tests/win/program_folder.h"
#include "tests/win/program_windows_fixture.h"
#include "tests/win/pump.h"
#include "tests/win/window_text.h"
#include "ui/application.h"
#include "ui/menu.h"

using namespace velmorant;

namespace {

std::filesystem::path OwnFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path();
}

std::filesystem::path SystemFolder() {
    wchar_t path[MAX_PATH] = {};
    GetSystemDirectoryW(path, MAX_PATH);
    return path;
}

using ProgramStartTest = test::ProgramWindowsFixture;

TEST_F(ProgramStartTest, CopiesOfSystemLibrariesBesideTheProgramLeaveItAndViewerWorking) {
    test::ProgramFolder folder("velmorant_program_start_libraries");
    std::filesystem::copy_file(OwnFolder() / "Viewer.dll", folder.folder / "Viewer.dll");
    // Loading and unloading these runs their start-up and shut-down code, which takes the
    // common control classes with it.
    const std::pair<const wchar_t*, const wchar_t*> copies[] = {
        {L"user32.dll", L"UserCopy.dll"}, {L"comctl32.dll", L"ControlsCopy.dll"}};
    for (const auto& [system, copy] : copies)
        std::filesystem::copy_file(SystemFolder() / system, folder.folder / copy);

    TForm1* main = StartProgram();
    ASSERT_NE(main, nullptr) << (dialogs.boxes.empty() ? "" : dialogs.boxes[0].text);
    EXPECT_TRUE(dialogs.boxes.empty());
    for (const auto& [system, copy] : copies)
        EXPECT_EQ(GetModuleHandleW((folder.folder / copy).c_str()), nullptr);
    EXPECT_EQ(main->Plugins().PluginList().size(), 1u);
    ui::MenuItem& type = main->Get<ui::MenuItem>("N5");
    ASSERT_EQ(type.Count(), 8);
    ASSERT_EQ(type.Item(7).Caption(), "View and compare data");

    SendMessageW(main->Handle(), WM_COMMAND, MAKEWPARAM(type.Item(7).Command(), 0), 0);
    const auto viewerWindows = [] {
        return test::WindowsCaptioned("Velmorant Viewer - view and compare data");
    };
    test::PumpUntil([&] { return viewerWindows().size() == 1; });
    const auto viewer = viewerWindows();
    ASSERT_EQ(viewer.size(), 1u);
    EXPECT_TRUE(IsWindowVisible(viewer[0]));
    // The window has its controls: the common control classes were there to make them.
    EXPECT_NE(FindWindowExW(viewer[0], nullptr, nullptr, nullptr), nullptr);
    ShowWindow(viewer[0], SW_HIDE);
}

// Refuses to create the windows whose caption or class is `refused`, as a window's creation
// fails when the system runs short of resources.
class RefusedWindows {
public:
    explicit RefusedWindows(std::wstring name) {
        refused_ = std::move(name);
        hook_ = SetWindowsHookExW(WH_CBT, Hook, nullptr, GetCurrentThreadId());
    }
    ~RefusedWindows() { UnhookWindowsHookEx(hook_); }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_CREATEWND) {
            const CREATESTRUCTW& cs = *reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
            const bool named = cs.lpszName && refused_ == cs.lpszName;
            const bool ofClass = !IS_INTRESOURCE(cs.lpszClass) && refused_ == cs.lpszClass;
            if (named || ofClass) return 1;
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline std::wstring refused_;
    HHOOK hook_ = nullptr;
};

TEST_F(ProgramStartTest, AWindowThatCannotBeCreatedEndsTheStartInTheErrorBox) {
    const struct {
        const wchar_t* refused;
        const char* text;
    } cases[] = {
        {L"Velmorant", "Error creating window Form1."},
        {L"Charts", "Error creating window Form3."},
        {L"msctls_trackbar32", "Error creating window TrackBar1."},
        {L"Program settings", "Error creating window Form9."},
    };
    for (const auto& c : cases) {
        test::ProgramFolder folder("velmorant_program_start_refused");
        dialogs.boxes.clear();
        TForm1* main = nullptr;
        {
            RefusedWindows refused(c.refused);
            main = StartProgram();
        }
        EXPECT_EQ(main, nullptr) << c.text;
        ASSERT_EQ(dialogs.boxes.size(), 1u) << c.text;
        EXPECT_EQ(dialogs.boxes[0].text, c.text);
        EXPECT_EQ(dialogs.boxes[0].caption, "Velmorant");
        EXPECT_EQ(dialogs.boxes[0].flags, static_cast<UINT>(MB_ICONERROR | MB_OK));
        // Nothing of the failed start is left behind.
        EXPECT_EQ(ui::App().MainForm(), nullptr) << c.text;
        EXPECT_EQ(Forms.Form3, nullptr) << c.text;
        EXPECT_TRUE(test::WindowsCaptioned("Velmorant").empty()) << c.text;
    }
}

}  // namespace
