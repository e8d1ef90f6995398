#pragma once

#include "monitor/core/display_locale.h"

namespace velmorant {

// The user's decimal separator and time format, which the number and time texts of both
// the program and Viewer take as a value.
DisplayLocale ReadUserLocale();

}  // namespace velmorant
