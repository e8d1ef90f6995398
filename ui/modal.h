#pragma once

#include <windows.h>

#include <vector>

namespace ui {

// A modal step of the program under way: a message box, a file or colour dialog, a modal
// form, or a command that runs one of them from its first question to its last write. While
// one is open, close requests and the messages a form holds wait (Form::HoldWhileModal) and
// timers skip their ticks, so nothing runs on top of the step and the record it works on
// stays as it was.
class ModalStep {
public:
    ModalStep();
    ~ModalStep();
    ModalStep(const ModalStep&) = delete;
    ModalStep& operator=(const ModalStep&) = delete;
};

// The window of a modal step, about to be shown with `owner` as its owner: the thread's other
// top-level windows are disabled until it ends, as a modal window's owner is, so that no
// window of the program takes a click or a key meanwhile. The owner itself is left to the
// dialog, which re-enables it before it goes, so the activation returns there.
class ModalWindow {
public:
    explicit ModalWindow(HWND owner);
    ~ModalWindow();
    ModalWindow(const ModalWindow&) = delete;
    ModalWindow& operator=(const ModalWindow&) = delete;

private:
    ModalStep step_;
    std::vector<HWND> disabled_;
};

// Whether a modal step is under way on this thread: one counted here, or a dialog window
// (message boxes and the common dialogs are of the dialog class) shown by any code of the
// thread, a plug-in's too.
bool ModalStepOpen();
// Whether a step is open above the one counted `depth` deep (a modal form's own loop): a
// modal form's timers run, unless a box or another step opened over it.
bool ModalStepOpenAbove(int depth);
// How many counted steps are open now.
int ModalDepth();

// The thread's visible dialog window that takes input (the box over a dialog, not the
// dialog under it); nullptr when none is shown.
HWND ShownDialog();
// The thread's visible dialog window brought to the front, if there is one.
void BringModalStepToFront();

}  // namespace ui
