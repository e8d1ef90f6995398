#pragma once

#include <cstdint>
#include <span>

namespace velmorant {

// A rectangle on the desktop in pixels; right and bottom lie just outside it. Wide enough
// for any int left or top plus any int size: a stored place may be any integer.
struct ScreenRect {
    std::int64_t Left = 0;
    std::int64_t Top = 0;
    std::int64_t Right = 0;
    std::int64_t Bottom = 0;

    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// Where a window wanted at `wanted` (its outer rectangle) is put, given the work areas of
// the monitors. A window wholly inside one of them stays exactly where it is wanted.
// Otherwise it goes to the nearest work area (the one it overlaps most, or the closest when
// it overlaps none), moved as little as it takes to lie wholly inside (FitOnWorkArea). The
// size is kept; a rectangle whose right or bottom lies before its left or top has size 0.
ScreenRect PlaceOnWorkArea(const ScreenRect& wanted, std::span<const ScreenRect> workAreas);

// `wanted` moved as little as it takes to lie wholly inside `area`; along a side where it is
// larger than the area, its top left is put on the area's.
ScreenRect FitOnWorkArea(const ScreenRect& wanted, const ScreenRect& area);

// Where a window of `width` x `height` that has no place of its own goes: beside the main
// window (`main`, its outer rectangle), wholly on the work area that the main window is on
// (the nearest, as above). To its right, level with its top, where it fits there; else to its
// left; else below it, then above it, level with its left edge; else where it covers the
// least of the main window. Without a work area to go by, to its right.
ScreenRect PlaceBesideMain(const ScreenRect& main, std::int64_t width, std::int64_t height,
                           std::span<const ScreenRect> workAreas);

}  // namespace velmorant
