#pragma once

#include <windows.h>

namespace ui {

// Where a top-level window of the given outer size, wanted with its top left corner at
// (left, top), can be reached: (left, top) itself when its title bar lies on a monitor's
// work area (enough of it to be grabbed), otherwise the place nearest to it on the work area
// of the nearest monitor that shows the whole height and a grip of the title bar. Settings
// written with a second monitor attached, or edited by hand, may name places on no screen.
POINT ReachablePlace(int left, int top, int width, int height);

}  // namespace ui
