#pragma once

#include <span>

#include "ui/design.h"

namespace velmorant::viewer {

// The viewer window's design: its frame and its components, in building order.
const ui::FormDesign& ViewerFormDesign();
std::span<const ui::Design> ViewerFormComponents();

// The viewer window's outer size before it is maximised.
inline constexpr int kViewerWidth = 1023;
inline constexpr int kViewerHeight = 747;
// The left column with the parameter list.
inline constexpr int kLeftColumnWidth = 305;

}  // namespace velmorant::viewer
