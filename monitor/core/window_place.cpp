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

Wide SharedArea(const ScreenRect& a, const ScreenRect& b) {
    return Wide{Overlap(a.Left, a.Right, b.Left, b.Right)} *
           Overlap(a.Top, a.Bottom, b.Top, b.Bottom);
}

// Larger is nearer: the area of overlap, and for areas that do not overlap the window the
// negated square of the distance between the rectangles.
Wide Nearness(const ScreenRect& r, const ScreenRect& area) {
    const Wide shared = SharedArea(r, area);
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

// The work area the window is on: the one it overlaps most, or the closest.
const ScreenRect& NearestWorkArea(const ScreenRect& r, std::span<const ScreenRect> workAreas) {
    return *std::max_element(
        workAreas.begin(), workAreas.end(),
        [&](const ScreenRect& a, const ScreenRect& b) { return Nearness(r, a) < Nearness(r, b); });
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
    return FitOnWorkArea(r, NearestWorkArea(r, workAreas));
}

ScreenRect PlaceBesideMain(const ScreenRect& main, std::int64_t width, std::int64_t height,
                           std::span<const ScreenRect> workAreas) {
    const ScreenRect m = Normalised(main);
    const std::int64_t w = std::max<std::int64_t>(0, width);
    const std::int64_t h = std::max<std::int64_t>(0, height);
    const auto at = [&](std::int64_t left, std::int64_t top) {
        return ScreenRect{left, top, left + w, top + h};
    };
    // The four sides first. Fitted onto the area, the four corners then hold the place that
    // covers the least of the main window: along each axis the cover is least at one end of
    // the room there, and the fitting of a corner that does not clear the main window ends
    // at that end.
    const ScreenRect wanted[] = {
        at(m.Right, m.Top),     at(m.Left - w, m.Top),     at(m.Left, m.Bottom),
        at(m.Left, m.Top - h),  at(m.Right, m.Bottom),     at(m.Left - w, m.Bottom),
        at(m.Right, m.Top - h), at(m.Left - w, m.Top - h),
    };
    if (workAreas.empty()) return wanted[0];
    const ScreenRect& area = NearestWorkArea(m, workAreas);
    ScreenRect best;
    Wide least = -1;
    for (const ScreenRect& place : wanted) {
        const ScreenRect fitted = FitOnWorkArea(place, area);
        const Wide covered = SharedArea(fitted, m);
        if (covered == 0) return fitted;
        if (least < 0 || covered < least) {
            best = fitted;
            least = covered;
        }
    }
    return best;
}

}  // namespace velmorant
