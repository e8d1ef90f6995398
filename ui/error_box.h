#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace ui {

// The application title: the caption of the standard error box and of plain messages.
void SetApplicationTitle(std::string title);
const std::string& ApplicationTitle();

// The text the standard error box shows for an error message: the message with "." added
// when its last character sorts after "." (as unsigned bytes: Cyrillic letters do).
std::string ErrorBoxText(std::string_view message);

// The standard error box: ErrorBoxText, the application title, the error icon and OK, asked
// through the dialog seam.
void ShowErrorBox(std::string_view message) noexcept;

// The one dispatch point of the layer: every window procedure, timer callback and exported
// function runs its work through it, so an exception ends the handler in the standard error
// box and never unwinds through Win32. Returns whether the work ran to its end.
template <class F>
bool Guarded(F&& work) noexcept {
    try {
        work();
        return true;
    } catch (const std::exception& e) {
        ShowErrorBox(e.what());
    } catch (...) {
        ShowErrorBox("Unknown error");
    }
    return false;
}

}  // namespace ui
