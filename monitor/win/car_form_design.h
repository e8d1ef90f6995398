#pragma once

#include <span>

#include "ui/design.h"

namespace velmorant {

// The car description window's design: its frame and its components, in building order.
const ui::FormDesign& CarFormDesign();
std::span<const ui::Design> CarFormComponents();

}  // namespace velmorant
