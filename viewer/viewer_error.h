#pragma once

#include <exception>
#include <string_view>

namespace velmorant::viewer {

// Viewer's own error box: the host's format (the error's text, "." added when its last
// character sorts after "."), captioned "Viewer", the error icon and OK.
void ShowViewerError(std::string_view message) noexcept;

// The exception barrier of Viewer's exported functions and handlers: an error ends the
// work in Viewer's error box and never unwinds into the host. True when the work ran to its end.
template <class F>
bool Guarded(F&& work) noexcept {
    try {
        work();
        return true;
    } catch (const std::exception& e) {
        ShowViewerError(e.what());
    } catch (...) {
        ShowViewerError("Unknown error");
    }
    return false;
}

}  // namespace velmorant::viewer
