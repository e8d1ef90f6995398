#pragma once

#include "monitor/plugin_interface.h"

namespace velmorant::viewer {

class TForm1;
class TForm5;

// The library's state: the host object it was started with and its two windows, created
// once and never destroyed before the host process ends.
extern TIPluginDemo* HostObject;
extern TForm1* Form1;
extern TForm5* Form5;

// What InitPlugin does: keeps the host object, creates the windows, and adds a separator
// and "View and compare data" to the host's "Type" menu.
void StartPlugin(TIPluginDemo* host);

// The handler of "View and compare data": shows the viewer window (the data), modeless.
void ShowViewer(void* data, void* sender);

}  // namespace velmorant::viewer
