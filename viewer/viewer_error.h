#pragma once

#include <string_view>
#include <utility>

#include "ui/error_box.h"

namespace velmorant::viewer {

// Viewer's own error box: the host's format, captioned "Viewer".
void ShowViewerError(std::string_view message) noexcept;

// The exception barrier of Viewer's exported functions and handlers: an error ends the
// work in Viewer's error box and never unwinds into the host. True when the work ran to its end.
template <class F>
bool Guarded(F&& work) noexcept {
    return ui::GuardedBy(ShowViewerError, std::forward<F>(work));
}

}  // namespace velmorant::viewer
