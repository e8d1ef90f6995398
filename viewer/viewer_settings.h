#pragma once

#include "monitor/core/settings.h"

namespace velmorant::viewer {

// Viewer's own copies of the main program's settings that it uses, as the viewer window
// read them last from the main program's settings file.
extern ViewerSettings Values;

}  // namespace velmorant::viewer
