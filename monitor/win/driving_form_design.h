#pragma once

#include <span>

#include "ui/design.h"

namespace velmorant {

// The driving-parameters window's design without its gauge controls: its frame, the
// bevelled panels, captions, fuel labels and the bottom strip, in building order.
const ui::FormDesign& DrivingFormDesign();
std::span<const ui::Design> DrivingFormComponents();

}  // namespace velmorant
