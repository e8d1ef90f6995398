// The export of Viewer.dll; the rest of the library is the viewer static library.
#include "monitor/plugin_interface.h"
#include "ui/error_box.h"
#include "viewer/plugin.h"
#include "viewer/viewer_error.h"

extern "C" __declspec(dllexport) void InitPlugin(TIPluginDemo* host) {
    using namespace velmorant::viewer;
    Guarded([host] {
        // Errors that reach this library's copy of the component layer's barrier are
        // Viewer's too.
        ui::SetApplicationTitle("Viewer");
        StartPlugin(host);
    });
}
