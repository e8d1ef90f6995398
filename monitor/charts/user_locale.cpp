#include "monitor/charts/user_locale.h"

#include <windows.h>

#include <string>

#include "ui/text.h"

namespace velmorant {

namespace {

std::wstring LocaleWide(LCTYPE type) {
    wchar_t buffer[80];
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 80) <= 1) return {};
    return buffer;
}

std::string LocaleText(LCTYPE type, const char* fallback) {
    const std::wstring text = LocaleWide(type);
    return text.empty() ? fallback : ui::WideToCp1251(text);
}

// A designator with letters the code page lacks ("π.μ.", "上午") would come out as question
// marks, the same for both halves of the day: it is taken as none, so times are written in
// 24 hours.
std::string DesignatorText(LCTYPE type, const char* fallback) {
    const std::wstring text = LocaleWide(type);
    if (text.empty()) return fallback;
    std::string designator = ui::WideToCp1251(text);
    return ui::Cp1251ToWide(designator) == text ? designator : "";
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
