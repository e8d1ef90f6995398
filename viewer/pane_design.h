#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/design.h"
#include "viewer/pane_twin.h"

namespace velmorant::viewer {

// A pane's component name: the charts window's name with the twin's suffix ("Label4a").
std::string PaneName(const PaneTwin& twin, std::string_view base, int number = 0);

// The components of one pane, children of the twin's panel, in building order.
void AddPaneComponents(std::vector<ui::Design>& design, const PaneTwin& twin);

}  // namespace velmorant::viewer
