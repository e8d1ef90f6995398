#include "ui/text.h"

#include <windows.h>

namespace ui {

namespace {
constexpr UINT kCodePage = 1251;
}

std::wstring Cp1251ToWide(std::string_view text) {
    if (text.empty()) return {};
    int n = MultiByteToWideChar(kCodePage, 0, text.data(), static_cast<int>(text.size()),
                                nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(kCodePage, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

std::string WideToCp1251(std::wstring_view text) {
    if (text.empty()) return {};
    int n = WideCharToMultiByte(kCodePage, 0, text.data(), static_cast<int>(text.size()),
                                nullptr, 0, "?", nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(kCodePage, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                        "?", nullptr);
    return out;
}

}  // namespace ui
