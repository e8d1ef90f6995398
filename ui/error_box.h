#pragma once

#include <exception>
#include <string>
#include <string_view>
#include <utility>

namespace ui {

// The application title: the caption of the standard error box and of plain messages.
void SetApplicationTitle(std::string title);
const std::string& ApplicationTitle();

// The text the standard error box shows for an error message: the message with "." added
// when its last character sorts after "." (as unsigned bytes: Cyrillic letters do).
std::string ErrorBoxText(std::string_view message);

// An error box in the standard format: ErrorBoxText, the caption, the error icon and OK,
// asked through the dialog seam.
void ShowErrorBox(std::string_view message, std::string_view caption) noexcept;

// The standard error box, captioned with the application title.
void ShowErrorBox(std::string_view message) noexcept;

// An exception barrier that reports through `report` (a function taking the error's text):
// an exception ends the work there and never unwinds further. Returns whether the work ran
// to its end.
template <class Report, class F>
bool GuardedBy(Report report, F&& work) noexcept {
    try {
        work();
        return true;
    } catch (const std::exception& e) {
        report(e.what());
    } catch (...) {
        report("Unknown error");
    }
    return false;
}

// The one dispatch point of the layer: every window procedure, timer callback and exported
// function runs its work through it, so an exception ends the handler in the standard error
// box and never unwinds through Win32.
template <class F>
bool Guarded(F&& work) noexcept {
    return GuardedBy([](std::string_view message) { ShowErrorBox(message); },
                     std::forward<F>(work));
}

}  // namespace ui
