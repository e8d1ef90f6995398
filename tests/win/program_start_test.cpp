// The program's start as its entry runs it.
#include "monitor/win/program_start.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

#include "monitor/win/main_form.h"
#include "monitor/win/program_forms.h"
#include "tests/win/program_folder.h"
#include "tests/win/program_windows_fixture.h"
#include "tests/win/window_text.h"
#include "ui/application.h"

using namespace velmorant;

namespace {

using ProgramStartTest = test::ProgramWindowsFixture;

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
