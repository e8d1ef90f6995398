#pragma once

#include "monitor/core/parameter_rows.h"
#include "monitor/core/settings.h"

namespace velmorant::viewer {

// Viewer's own copies of the main program's settings that it uses, as the viewer window
// read them last from the main program's settings file.
extern ViewerSettings Values;

// The unit and injector values that the parameter rows and value texts read.
ConversionSettings ConversionOf(const ViewerSettings& values);

}  // namespace velmorant::viewer
