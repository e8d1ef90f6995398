#pragma once

#include <span>

#include "ui/design.h"

namespace velmorant {

// The main window's design: its frame and its components, in building order.
const ui::FormDesign& MainFormDesign();
std::span<const ui::Design> MainFormComponents();

}  // namespace velmorant
