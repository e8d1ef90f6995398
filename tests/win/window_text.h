#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ui/text.h"

namespace velmorant::test {

// A window's text as Win32 holds it, whatever its length.
inline std::wstring WindowText(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

// This thread's top-level windows with that caption (CP1251).
inline std::vector<HWND> WindowsCaptioned(const std::string& caption) {
    struct Search {
        std::wstring caption;
        std::vector<HWND> found;
    } search{ui::Cp1251ToWide(caption), {}};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM p) -> BOOL {
            auto* s = reinterpret_cast<Search*>(p);
            if (WindowText(w) == s->caption) s->found.push_back(w);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace velmorant::test
