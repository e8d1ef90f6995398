#pragma once

#include "monitor/core/time_text.h"

namespace velmorant {

// Whether every time of day that `writer`'s format writes reads back to the second, both with
// the writer's own reader and with readers of other PCs: one that knows no designators, the
// English one, and one with the writer's designators but a plain 24-hour picture. A control
// character in the picture or in a written time fails it: the file would get a broken line.
bool TimesReadBack(const TimeLocale& writer);

// The format the files write times in: the locale's own where its times read back, else
// "H:mm:ss" with the locale's separator where that reads back, else "H:mm:ss". A time that
// only the writer's settings read, or that another PC reads twelve hours off, would make the
// recording unreadable or wrong.
TimeLocale FileTimeLocale(const TimeLocale& locale);

}  // namespace velmorant
