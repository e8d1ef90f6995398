#include "ui/screen.h"

#include <algorithm>

namespace ui {

namespace {

// How much of a title bar must show to be grabbed with the mouse.
constexpr int kGrip = 100;

int TitleHeight() {
    return GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYSIZEFRAME);
}

struct Search {
    RECT title;
    int grip;
    bool reachable = false;
};

BOOL CALLBACK CheckMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    auto& search = *reinterpret_cast<Search*>(data);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(monitor, &info)) return TRUE;
    RECT shown;
    if (IntersectRect(&shown, &search.title, &info.rcWork) &&
        shown.right - shown.left >= search.grip &&
        2 * (shown.bottom - shown.top) >= search.title.bottom - search.title.top) {
        search.reachable = true;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

POINT ReachablePlace(int left, int top, int width, int height) {
    const int titleHeight = std::min(TitleHeight(), std::max(height, 1));
    Search search{RECT{left, top, left + width, top + titleHeight}, std::min(kGrip, width)};
    EnumDisplayMonitors(nullptr, &search.title, CheckMonitor, reinterpret_cast<LPARAM>(&search));
    if (search.reachable) return POINT{left, top};

    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(MonitorFromRect(&search.title, MONITOR_DEFAULTTONEAREST), &info))
        return POINT{left, top};
    const RECT& work = info.rcWork;
    return POINT{std::clamp(left, static_cast<int>(work.left) - width + search.grip,
                            std::max(static_cast<int>(work.right) - search.grip,
                                     static_cast<int>(work.left) - width + search.grip)),
                 std::clamp(top, static_cast<int>(work.top),
                            std::max(static_cast<int>(work.bottom) - titleHeight,
                                     static_cast<int>(work.top)))};
}

}  // namespace ui
