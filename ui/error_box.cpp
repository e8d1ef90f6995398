#include "ui/error_box.h"

#include <windows.h>

#include "ui/dialogs.h"

namespace ui {

namespace {
std::string& Title() {
    static std::string title = "Velmorant";
    return title;
}
}  // namespace

void SetApplicationTitle(std::string title) {
    Title() = std::move(title);
}

const std::string& ApplicationTitle() {
    return Title();
}

std::string ErrorBoxText(std::string_view message) {
    std::string text(message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
    return text;
}

void ShowErrorBox(std::string_view message, std::string_view caption) noexcept {
    try {
        ShowMessageBoxOwnedBy(GetActiveWindow(), ErrorBoxText(message), std::string(caption),
                              MB_ICONERROR | MB_OK);
    } catch (...) {
        // Nothing is left to report with: the box itself failed (out of memory).
    }
}

void ShowErrorBox(std::string_view message) noexcept {
    ShowErrorBox(message, ApplicationTitle());
}

}  // namespace ui
