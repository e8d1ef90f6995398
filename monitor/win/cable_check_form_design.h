#pragma once

#include <span>

#include "ui/design.h"

namespace velmorant {

// The cable check window's design: its frame and its components, in building order.
const ui::FormDesign& CableCheckFormDesign();
std::span<const ui::Design> CableCheckFormComponents();

}  // namespace velmorant
