#pragma once

#include <windows.h>

#include <string>

namespace velmorant::test {

// A window's text as Win32 holds it, whatever its length.
inline std::wstring WindowText(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace velmorant::test
