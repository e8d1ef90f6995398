#pragma once

#include <windows.h>

#include <vector>

namespace ui {

// The work areas of the monitors attached (the desktop without task bars and docked bars).
std::vector<RECT> MonitorWorkAreas();

}  // namespace ui
