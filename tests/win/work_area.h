#pragma once

#include <windows.h>

namespace velmorant::test {

// The work area of the primary monitor, the one Xvfb's single screen gives.
inline RECT PrimaryWorkArea() {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
    return info.rcWork;
}

inline bool WhollyOn(const RECT& work, const RECT& r) {
    return r.left >= work.left && r.top >= work.top && r.right <= work.right &&
           r.bottom <= work.bottom;
}

// Where Windows itself has the window, not the layer's notion of it.
inline RECT WindowRectOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

}  // namespace velmorant::test
