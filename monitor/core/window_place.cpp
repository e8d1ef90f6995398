#include "monitor/core/window_place.h"

#include <algorithm>
#include <cstdint>

namespace velmorant {

namespace {

bool Inside(const ScreenRect& r, const ScreenRect& area) {
    return r.Left >= area.Left && r.Top >= area.Top && r.Right <= area.Right &&
           r.Bottom <= area.Bottom;
}

std::int64_t Overlap(int low1, int high1, int low2, int high2) {
    return std::max<std::int64_t>(0, std::int64_t{std::min(high1, high2)} - std::max(low1, low2));
}

// The gap between two extents along one side; 0 when they meet or overlap.
std::int64_t Gap(int low1, int high1, int low2, int high2) {
    return std::max<std::int64_t>({0, std::int64_t{low2} - high1, std::int64_t{low1} - high2});
}

// Larger is nearer: the area of overlap, and for areas that do not overlap the window the
// negated square of the distance between the rectangles.
std::int64_t Nearness(const ScreenRect& r, const ScreenRect& area) {
    const std::int64_t shared = Overlap(r.Left, r.Right, area.Left, area.Right) *
                                Overlap(r.Top, r.Bottom, area.Top, area.Bottom);
    if (shared > 0) return shared;
    const std::int64_t dx = Gap(r.Left, r.Right, area.Left, area.Right);
    const std::int64_t dy = Gap(r.Top, r.Bottom, area.Top, area.Bottom);
    return -(dx * dx + dy * dy);
}

// The start of an extent of `size` moved the least into [low, high); at low when it is larger.
int Fit(int start, int size, int low, int high) {
    if (size > high - low) return low;
    return std::clamp(start, low, high - size);
}

}  // namespace

ScreenRect PlaceOnWorkArea(const ScreenRect& wanted, std::span<const ScreenRect> workAreas) {
    if (workAreas.empty()) return wanted;
    for (const ScreenRect& area : workAreas)
        if (Inside(wanted, area)) return wanted;
    const ScreenRect& nearest = *std::max_element(
        workAreas.begin(), workAreas.end(), [&](const ScreenRect& a, const ScreenRect& b) {
            return Nearness(wanted, a) < Nearness(wanted, b);
        });
    const int width = wanted.Right - wanted.Left;
    const int height = wanted.Bottom - wanted.Top;
    const int left = Fit(wanted.Left, width, nearest.Left, nearest.Right);
    const int top = Fit(wanted.Top, height, nearest.Top, nearest.Bottom);
    return ScreenRect{left, top, left + width, top + height};
}

}  // namespace velmorant
