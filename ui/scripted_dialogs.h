#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/dialogs.h"

namespace ui {

// The dialog seam for tests: answers from scripts given beforehand, and a record of every
// question. It is in force while it lives. Unscripted questions are answered as a user who
// only closes them would: OK for an OK-only box, Cancel otherwise, and cancelled dialogs.
class ScriptedDialogs : public Dialogs {
public:
    struct Box {
        std::string text;
        std::string caption;
        UINT flags = 0;
    };

    std::deque<int> answers;
    std::deque<std::optional<FileDialogAnswer>> fileAnswers;
    std::deque<std::optional<Colour>> colourAnswers;

    // Runs inside every box and dialog before it is answered: what reaches the program while
    // the user looks at it (a close request, timer ticks).
    std::function<void()> whileOpen;

    std::vector<Box> boxes;
    std::vector<FileDialogRequest> fileRequests;
    std::vector<Colour> colourRequests;

    ScriptedDialogs() { SetDialogs(this); }
    ~ScriptedDialogs() override { SetDialogs(nullptr); }
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    int ShowMessageBox(HWND, const std::string& text, const std::string& caption,
                       UINT flags) override {
        boxes.push_back({text, caption, flags});
        if (whileOpen) whileOpen();
        if (answers.empty()) return (flags & MB_TYPEMASK) == MB_OK ? IDOK : IDCANCEL;
        int answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::optional<FileDialogAnswer> FileDialog(const FileDialogRequest& request) override {
        fileRequests.push_back(request);
        if (whileOpen) whileOpen();
        if (fileAnswers.empty()) return std::nullopt;
        auto answer = fileAnswers.front();
        fileAnswers.pop_front();
        return answer;
    }

    std::optional<Colour> ColourDialog(HWND, Colour initial) override {
        colourRequests.push_back(initial);
        if (whileOpen) whileOpen();
        if (colourAnswers.empty()) return std::nullopt;
        auto answer = colourAnswers.front();
        colourAnswers.pop_front();
        return answer;
    }
};

}  // namespace ui
