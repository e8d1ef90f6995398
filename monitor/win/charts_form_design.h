#pragma once

#include <span>

#include "ui/design.h"

namespace velmorant {

// The charts window's design: its frame and its components, in building order.
const ui::FormDesign& ChartsFormDesign();
std::span<const ui::Design> ChartsFormComponents();

}  // namespace velmorant
