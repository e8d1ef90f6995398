#pragma once

#include <string>

namespace velmorant {

// The user's number and time conventions, read from the locale by the Windows side and
// passed in, so the texts built here do not depend on the machine they are built on.
struct DisplayLocale {
    char DecimalSeparator = '.';
    // A Windows time picture: h hh (12-hour), H HH (24-hour), m mm, s ss, t tt (AM/PM
    // designator), text in single quotes literal, anything else copied (the time separator
    // stands in the picture itself).
    std::string LongTimeFormat = "HH:mm:ss";
    std::string TimeAm = "AM";
    std::string TimePm = "PM";
};

}  // namespace velmorant
