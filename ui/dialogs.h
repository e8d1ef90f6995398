#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commdlg.h>

#include <filesystem>
#include <optional>
#include <string>

#include "ui/colour.h"

namespace ui {

// What a file dialog is asked for. The filter has the form "Description|*.ext|..." and the
// default extension may be given with or without its dot.
struct FileDialogRequest {
    HWND owner = nullptr;
    bool save = false;
    std::string filter;
    int filterIndex = 1;  // 1-based, as Win32 counts
    std::string defaultExt;
    std::filesystem::path fileName;
    // Where the dialog opens when the file name names no folder; empty: the system's choice.
    std::filesystem::path initialDir;
};

struct FileDialogAnswer {
    std::filesystem::path fileName;
    int filterIndex = 1;
};

// Message boxes and common dialogs: the seam through which tests answer them. The default
// shows the real ones.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Returns the button chosen (IDOK, IDYES, IDNO, IDCANCEL ...).
    virtual int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption,
                           UINT flags) = 0;
    // Nothing when the user cancels.
    virtual std::optional<FileDialogAnswer> FileDialog(const FileDialogRequest& request) = 0;
    virtual std::optional<Colour> ColourDialog(HWND owner, Colour initial) = 0;
};

// The dialogs in force; a test puts its own in place and restores the real ones with nullptr.
Dialogs& CurrentDialogs();
void SetDialogs(Dialogs* dialogs);

// The call under the real save dialog; a test puts its own in place to see what reaches it,
// and restores GetSaveFileNameW with nullptr.
using SaveFileNameCall = BOOL(WINAPI*)(OPENFILENAMEW*);
void SetSaveFileNameCall(SaveFileNameCall call);

// A message box through the seam, as a modal step of the program (ModalWindow).
int ShowMessageBoxOwnedBy(HWND owner, const std::string& text, const std::string& caption,
                          UINT flags);
// A plain message: the text, the application title, OK.
void ShowMessage(const std::string& text);
// Any message box through the seam, owned by the active window.
int ShowMessageBox(const std::string& text, const std::string& caption, UINT flags);

}  // namespace ui
