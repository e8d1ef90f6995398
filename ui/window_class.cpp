#include "ui/window_class.h"

#include <commctrl.h>

#include <cwchar>

#include "ui/resources.h"

namespace ui {

namespace {

constexpr wchar_t kFormClass[] = L"UiForm";
constexpr wchar_t kPanelClass[] = L"UiPanel";

void Register(const wchar_t* name, HICON icon) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = CodeModule();
    wc.hIcon = icon;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    // No class brush: the layer paints the background in the window's own colour.
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
}

}  // namespace

void EnsureCommonControls() {
    static const bool done = [] {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_BAR_CLASSES |
                                                 ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
        return InitCommonControlsEx(&icc) != FALSE;
    }();
    (void)done;
}

const wchar_t* FormClassName() {
    static const bool done = [] {
        Register(kFormClass, LoadIconW(ResourceModule(), L"MAINICON"));
        return true;
    }();
    (void)done;
    return kFormClass;
}

const wchar_t* PanelClassName() {
    static const bool done = [] {
        Register(kPanelClass, nullptr);
        return true;
    }();
    (void)done;
    return kPanelClass;
}

UINT KeyPreviewMessage() {
    static const UINT msg = RegisterWindowMessageW(L"UiKeyPreview");
    return msg;
}

UINT FormActivatedMessage() {
    static const UINT msg = RegisterWindowMessageW(L"UiFormActivated");
    return msg;
}

UINT FormToFrontMessage() {
    static const UINT msg = RegisterWindowMessageW(L"UiFormToFront");
    return msg;
}

bool IsFormWindow(HWND hwnd) {
    if (!hwnd) return false;
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != GetCurrentProcessId()) return false;
    wchar_t name[32] = {};
    GetClassNameW(hwnd, name, 32);
    return std::wcscmp(name, kFormClass) == 0;
}

}  // namespace ui
