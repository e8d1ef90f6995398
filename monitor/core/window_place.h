#pragma once

#include <span>

namespace velmorant {

// A rectangle on the desktop in pixels; right and bottom lie just outside it.
struct ScreenRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// Where a window wanted at `wanted` (its outer rectangle) is put, given the work areas of
// the monitors. A window wholly inside one of them stays exactly where it is wanted.
// Otherwise it goes to the nearest work area (the one it overlaps most, or the closest when
// it overlaps none), moved as little as it takes to lie wholly inside; along a side where
// it is larger than that work area, its top left is put on the work area's. The size is
// kept.
ScreenRect PlaceOnWorkArea(const ScreenRect& wanted, std::span<const ScreenRect> workAreas);

}  // namespace velmorant
