#include "viewer/viewer_error.h"

namespace velmorant::viewer {

void ShowViewerError(std::string_view message) noexcept {
    ui::ShowErrorBox(message, "Viewer");
}

}  // namespace velmorant::viewer
