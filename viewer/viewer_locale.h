#pragma once

#include "monitor/core/display_locale.h"

namespace velmorant::viewer {

// The user's decimal separator and time format, as the viewer's texts and its file reading
// use them; read when the viewer window is made.
extern DisplayLocale Locale;

}  // namespace velmorant::viewer
