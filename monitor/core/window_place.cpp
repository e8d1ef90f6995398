#include "monitor/core/window_place.h"

#include <algorithm>

namespace velmorant {

namespace {

// Products of two extents of 64-bit coordinates need more than 64 bits.
using Wide = __int128;

std::int64_t Size(std::int64_t low, std::int64_t high) {
    return std::max<std::int64_t>(0, high - low);
}

ScreenRect Normalised(const ScreenRect& r) {
    return {r.Left, r.Top, r.Left + Size(r.Left, r.Right), r.Top + Size(r.Top, r.Bottom)};
}

bool Inside(const ScreenRect& r, const ScreenRect& area) {
    return r.Left >= area.Left && r.Top >= area.Top && r.Right <= area.Right &&
           r.Bottom <= area.Bottom;
}

std::int64_t Overlap(std::int64_t low1, std::int64_t high1, std::int64_t low2, std::int64_t high2) {
    return Size(std::max(low1, low2), std::min(high1, high2));
}

// The gap between two extents along one side; 0 when they meet or overlap.
std::int64_t Gap(std::int64_t low1, std::int64_t high1, std::int64_t low2, std::int64_t high2) {
    return std::max<std::int64_t>({0, low2 - high1, low1 - high2});
}

// Larger is nearer: the area of overlap, and for areas that do not overlap the window the
// negated square of the distance between the rectangles.
Wide Nearness(const ScreenRect& r, const ScreenRect& area) {
    const Wide shared = Wide{Overlap(r.Left, r.Right, area.Left, area.Right)} *
                        Overlap(r.Top, r.Bottom, area.Top, area.Bottom);
    if (shared > 0) return shared;
    const Wide dx = Gap(r.Left, r.Right, area.Left, area.Right);
    const Wide dy = Gap(r.Top, r.Bottom, area.Top, area.Bottom);
    return -(dx * dx + dy * dy);
}

// The start of an extent of `size` moved the least into [low, high); at low when it is larger.
std::int64_t Fit(std::int64_t start, std::int64_t size, std::int64_t low, std::int64_t high) {
    if (size > high - low) return low;
    return std::clamp(start, low, high - size);
}

}  // namespace

ScreenRect FitOnWorkArea(const ScreenRect& wanted, const ScreenRect& area) {
    const ScreenRect r = Normalised(wanted);
    if (Inside(r, area)) return r;
    const std::int64_t width = r.Right - r.Left;
    const std::int64_t height = r.Bottom - r.Top;
    const std::int64_t left = Fit(r.Left, width, area.Left, area.Right);
    const std::int64_t top = Fit(r.Top, height, area.Top, area.Bottom);
    return ScreenRect{left, top, left + width, top + height};
}

ScreenRect PlaceOnWorkArea(const ScreenRect& wanted, std::span<const ScreenRect> workAreas) {
    const ScreenRect r = Normalised(wanted);
    if (workAreas.empty()) return r;
    for (const ScreenRect& area : workAreas)
        if (Inside(r, area)) return r;
    const ScreenRect& nearest = *std::max_element(
        workAreas.begin(), workAreas.end(),
        [&](const ScreenRect& a, const ScreenRect& b) { return Nearness(r, a) < Nearness(r, b); });
    return FitOnWorkArea(r, nearest);
}

}  // namespace velmorant
