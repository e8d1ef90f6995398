#include "viewer/plugin.h"

#include "viewer/about_form.h"
#include "viewer/viewer_error.h"
#include "viewer/viewer_form.h"

namespace velmorant::viewer {

TIPluginDemo* HostObject = nullptr;
TForm1* Form1 = nullptr;
TForm5* Form5 = nullptr;

void StartPlugin(TIPluginDemo* host) {
    HostObject = host;
    // No owner: both are top-level windows of their own beside the host's. Never freed: the
    // host keeps calling into them until the process ends.
    Form1 = new TForm1();
    Form1->Create();
    Form1->SetKeyPreview(true);
    Form5 = new TForm5();
    Form5->Create();
    Form5->SetKeyPreview(true);
    // Constant captions: the host copies them.
    host->Table->AddMenuItem(host, "-", nullptr, nullptr);
    host->Table->AddMenuItem(host, "View and compare data", ShowViewer, Form1);
}

void ShowViewer(void* data, void*) {
    Guarded([data] { static_cast<TForm1*>(data)->Show(); });
}

}  // namespace velmorant::viewer
