#pragma once

#include <span>

#include "ui/design.h"

namespace velmorant {

// The settings window's design: its frame and its components, in building order.
const ui::FormDesign& SettingsFormDesign();
std::span<const ui::Design> SettingsFormComponents();

}  // namespace velmorant
