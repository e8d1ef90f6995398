#include "monitor/charts/user_locale.h"

#include <windows.h>

#include <string>

#include "ui/text.h"

namespace velmorant {

namespace {

std::string LocaleText(LCTYPE type, const char* fallback) {
    wchar_t buffer[80];
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 80) <= 1) return fallback;
    return ui::WideToCp1251(buffer);
}

}  // namespace

DisplayLocale ReadUserLocale() {
    DisplayLocale locale;
    const std::string decimal = LocaleText(LOCALE_SDECIMAL, ".");
    // The number format has room for one character; a longer separator keeps the point.
    locale.DecimalSeparator = decimal.size() == 1 ? decimal[0] : '.';
    locale.Time.LongTimeFormat = LocaleText(LOCALE_STIMEFORMAT, "H:mm:ss");
    locale.Time.TimeSeparator = LocaleText(LOCALE_STIME, ":");
    locale.Time.TimeAMString = LocaleText(LOCALE_S1159, "AM");
    locale.Time.TimePMString = LocaleText(LOCALE_S2359, "PM");
    return locale;
}

}  // namespace velmorant
