#pragma once

#include <windows.h>

namespace ui {

// The module whose resources (bitmaps, icon) the layer loads by name, and whose window
// classes it registers: by default the one the layer is linked into.
HINSTANCE ResourceModule();
void SetResourceModule(HINSTANCE module);

// The module the layer's code lives in (the executable, or a library that links the layer).
HINSTANCE CodeModule();

}  // namespace ui
