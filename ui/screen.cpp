#include "ui/screen.h"

namespace ui {

std::vector<RECT> MonitorWorkAreas() {
    std::vector<RECT> areas;
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR monitor, HDC, LPRECT, LPARAM data) -> BOOL {
            MONITORINFO info{};
            info.cbSize = sizeof info;
            if (GetMonitorInfoW(monitor, &info))
                reinterpret_cast<std::vector<RECT>*>(data)->push_back(info.rcWork);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&areas));
    return areas;
}

}  // namespace ui
