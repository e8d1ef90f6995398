#pragma once

#include <deque>
#include <filesystem>
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
    // The save dialog's own question before it returns a file that exists, when the request
    // asks for it: Yes returns the file; No (also when nothing is scripted) leaves the user
    // in the dialog, who then cancels it.
    std::deque<bool> replaceAnswers;

    std::vector<Box> boxes;
    std::vector<FileDialogRequest> fileRequests;
    std::vector<Colour> colourRequests;
    std::vector<std::filesystem::path> replaceQuestions;

    ScriptedDialogs() { SetDialogs(this); }
    ~ScriptedDialogs() override { SetDialogs(nullptr); }
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    int ShowMessageBox(HWND, const std::string& text, const std::string& caption,
                       UINT flags) override {
        boxes.push_back({text, caption, flags});
        if (answers.empty()) return (flags & MB_TYPEMASK) == MB_OK ? IDOK : IDCANCEL;
        int answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::optional<FileDialogAnswer> FileDialog(const FileDialogRequest& request) override {
        fileRequests.push_back(request);
        if (fileAnswers.empty()) return std::nullopt;
        auto answer = fileAnswers.front();
        fileAnswers.pop_front();
        std::error_code error;
        if (answer && request.save && request.overwritePrompt &&
            std::filesystem::exists(answer->fileName, error)) {
            replaceQuestions.push_back(answer->fileName);
            const bool yes = !replaceAnswers.empty() && replaceAnswers.front();
            if (!replaceAnswers.empty()) replaceAnswers.pop_front();
            if (!yes) return std::nullopt;
        }
        return answer;
    }

    std::optional<Colour> ColourDialog(HWND, Colour initial) override {
        colourRequests.push_back(initial);
        if (colourAnswers.empty()) return std::nullopt;
        auto answer = colourAnswers.front();
        colourAnswers.pop_front();
        return answer;
    }
};

}  // namespace ui
