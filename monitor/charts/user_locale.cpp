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

// A designator with letters the code page lacks ("π.μ.", "上午") would come out as question
// marks, the same for both halves of the day: it is taken as none, so times are written in
// 24 hours.
std::string DesignatorText(LCTYPE type, const char* fallback) {
    wchar_t buffer[80];
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 80) <= 1) return fallback;
    BOOL lost = FALSE;
    char bytes[240];
    const int n = WideCharToMultiByte(1251, WC_NO_BEST_FIT_CHARS, buffer, -1, bytes, sizeof bytes,
                                      nullptr, &lost);
    if (n <= 0 || lost) return "";
    return std::string(bytes, static_cast<std::size_t>(n - 1));
}

}  // namespace

DisplayLocale ReadUserLocale() {
    DisplayLocale locale;
    const std::string decimal = LocaleText(LOCALE_SDECIMAL, ".");
    // The number format has room for one character; a longer separator keeps the point.
    locale.DecimalSeparator = decimal.size() == 1 ? decimal[0] : '.';
    locale.Time.LongTimeFormat = LocaleText(LOCALE_STIMEFORMAT, "H:mm:ss");
    locale.Time.TimeSeparator = LocaleText(LOCALE_STIME, ":");
    locale.Time.TimeAMString = DesignatorText(LOCALE_S1159, "AM");
    locale.Time.TimePMString = DesignatorText(LOCALE_S2359, "PM");
    return locale;
}

}  // namespace velmorant
