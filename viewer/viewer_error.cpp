#include "viewer/viewer_error.h"

#include <windows.h>

#include "ui/dialogs.h"
#include "ui/error_box.h"

namespace velmorant::viewer {

void ShowViewerError(std::string_view message) noexcept {
    try {
        ui::CurrentDialogs().ShowMessageBox(GetActiveWindow(), ui::ErrorBoxText(message), "Viewer",
                                            MB_ICONERROR | MB_OK);
    } catch (...) {
        // The box itself failed (out of memory): nothing is left to report with.
    }
}

}  // namespace velmorant::viewer
