#include "ui/modal.h"

namespace ui {

namespace {

int& Depth() {
    static int depth = 0;
    return depth;
}

}  // namespace

HWND ShownDialog() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM p) -> BOOL {
            wchar_t name[8] = {};
            if (!IsWindowVisible(w) || !IsWindowEnabled(w) || !GetClassNameW(w, name, 8) ||
                lstrcmpW(name, L"#32770") != 0)
                return TRUE;
            *reinterpret_cast<HWND*>(p) = w;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

ModalStep::ModalStep() { ++Depth(); }

ModalStep::~ModalStep() { --Depth(); }

ModalWindow::ModalWindow(HWND owner) {
    struct Collect {
        HWND owner;
        std::vector<HWND>* out;
    } collect{owner ? GetAncestor(owner, GA_ROOT) : nullptr, &disabled_};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM p) -> BOOL {
            auto* c = reinterpret_cast<Collect*>(p);
            if (w != c->owner && IsWindowVisible(w) && IsWindowEnabled(w)) {
                EnableWindow(w, FALSE);
                c->out->push_back(w);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&collect));
}

ModalWindow::~ModalWindow() {
    for (HWND w : disabled_)
        if (IsWindow(w)) EnableWindow(w, TRUE);
}

bool ModalStepOpen() { return ModalStepOpenAbove(0); }

bool ModalStepOpenAbove(int depth) { return Depth() > depth || ShownDialog() != nullptr; }

int ModalDepth() { return Depth(); }

void BringModalStepToFront() {
    if (HWND dialog = ShownDialog()) {
        SetForegroundWindow(dialog);
        SetActiveWindow(dialog);
    }
}

}  // namespace ui
