#pragma once

#include <span>

#include "ui/design.h"

namespace velmorant {

// The large data display's design: its frame and its components, in building order.
const ui::FormDesign& LargeDisplayFormDesign();
std::span<const ui::Design> LargeDisplayFormComponents();

}  // namespace velmorant
