#pragma once

#include "monitor/core/time_text.h"

namespace velmorant {

// The user's number and time conventions, read from the locale by the Windows side and
// passed in, so the texts built here do not depend on the machine they are built on.
struct DisplayLocale {
    char DecimalSeparator = '.';
    TimeLocale Time;
};

}  // namespace velmorant
