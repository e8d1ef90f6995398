#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

namespace velmorant::test {

// Puts a text on the clipboard as a user's copy would, for a paste into a control.
inline void PutOnClipboard(HWND owner, const std::wstring& text) {
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    std::memcpy(GlobalLock(data), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(data);
    SetClipboardData(CF_UNICODETEXT, data);
    CloseClipboard();
}

}  // namespace velmorant::test
