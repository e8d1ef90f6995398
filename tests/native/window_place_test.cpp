#include "monitor/core/window_place.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <vector>

using namespace velmorant;

namespace {

ScreenRect At(std::int64_t left, std::int64_t top, std::int64_t width, std::int64_t height) {
    return ScreenRect{left, top, left + width, top + height};
}

}  // namespace

// A window of 300 x 200 (or the size given), on one work area of 1280 x 1000 under a top
// bar of 24, on two side by side, on two with a gap between them, or on one above the other.
TEST(WindowPlace, WhollyOnAWorkAreaOrMovedWhollyOntoTheNearest) {
    const std::vector<ScreenRect> one = {{0, 24, 1280, 1024}};
    const std::vector<ScreenRect> sideBySide = {{0, 0, 1280, 1024}, {1280, 0, 3200, 1080}};
    const std::vector<ScreenRect> withGap = {{0, 0, 1000, 800}, {1400, 0, 2400, 800}};
    const std::vector<ScreenRect> above = {{0, 0, 1280, 1024}, {0, -768, 1024, 0}};
    struct Case {
        const char* what;
        const std::vector<ScreenRect>& areas;
        ScreenRect wanted;
        ScreenRect placed;
    };
    const Case cases[] = {
        {"wholly on the screen", one, At(20, 33, 300, 200), At(20, 33, 300, 200)},
        {"in the corners exactly", one, At(980, 824, 300, 200), At(980, 824, 300, 200)},
        {"at the top left exactly", one, At(0, 24, 300, 200), At(0, 24, 300, 200)},
        {"partly off the left", one, At(-50, 100, 300, 200), At(0, 100, 300, 200)},
        {"partly off the top", one, At(100, 0, 300, 200), At(100, 24, 300, 200)},
        {"partly off the right", one, At(1100, 100, 300, 200), At(980, 100, 300, 200)},
        {"partly off the bottom", one, At(100, 900, 300, 200), At(100, 824, 300, 200)},
        {"far off (5000, 5000)", one, At(5000, 5000, 300, 200), At(980, 824, 300, 200)},
        {"far off above and left", one, At(-5000, -5000, 300, 200), At(0, 24, 300, 200)},
        {"far off below only", one, At(400, 5000, 300, 200), At(400, 824, 300, 200)},
        {"wider than the work area", one, At(200, 100, 1400, 200), At(0, 100, 1400, 200)},
        {"taller than the work area", one, At(200, 100, 300, 1100), At(200, 24, 300, 1100)},
        {"larger both ways, far off", one, At(5000, 5000, 1400, 1100), At(0, 24, 1400, 1100)},
        {"on the second of two", sideBySide, At(2000, 500, 300, 200), At(2000, 500, 300, 200)},
        {"across the two, mostly on the first", sideBySide, At(1100, 100, 300, 200),
         At(980, 100, 300, 200)},
        {"across the two, mostly on the second", sideBySide, At(1200, 100, 300, 200),
         At(1280, 100, 300, 200)},
        {"below the shorter first of two", sideBySide, At(1000, 1030, 250, 200),
         At(1000, 824, 250, 200)},
        {"below the taller second of two", sideBySide, At(1300, 1030, 300, 200),
         At(1300, 880, 300, 200)},
        {"beyond the second", sideBySide, At(5000, 5000, 300, 200), At(2900, 880, 300, 200)},
        {"in the gap, nearer the first", withGap, At(1020, 100, 300, 200), At(700, 100, 300, 200)},
        {"in the gap, nearer the second", withGap, At(1090, 100, 300, 200),
         At(1400, 100, 300, 200)},
        {"on the monitor above", above, At(100, -500, 300, 200), At(100, -500, 300, 200)},
        {"off the top of the monitor above", above, At(100, -900, 300, 200),
         At(100, -768, 300, 200)},
        // Any stored integer: right and bottom lie past INT_MAX, distances are near 2^32.
        {"at INT_MAX, INT_MAX", one, At(INT_MAX, INT_MAX, 300, 200), At(980, 824, 300, 200)},
        {"at INT_MIN, INT_MIN", one, At(INT_MIN, INT_MIN, 300, 200), At(0, 24, 300, 200)},
        {"right edge past INT_MAX", one, At(2147483500, 100, 300, 200), At(980, 100, 300, 200)},
        {"at INT_MIN, INT_MAX", one, At(INT_MIN, INT_MAX, 300, 200), At(0, 824, 300, 200)},
        {"at INT_MAX, INT_MIN", one, At(INT_MAX, INT_MIN, 300, 200), At(980, 24, 300, 200)},
        {"INT_MAX wide and high", one, At(0, 24, INT_MAX, INT_MAX), At(0, 24, INT_MAX, INT_MAX)},
        {"INT_MAX wide at INT_MAX", one, At(INT_MAX, 100, INT_MAX, 200), At(0, 100, INT_MAX, 200)},
        {"far above and left of two", sideBySide, At(INT_MIN, INT_MIN, 300, 200),
         At(0, 0, 300, 200)},
        {"far below and right of two", sideBySide, At(INT_MAX, INT_MAX, 300, 200),
         At(2900, 880, 300, 200)},
        {"far left on the monitor above's level", above, At(INT_MIN, -500, 300, 200),
         At(0, -500, 300, 200)},
    };
    for (const Case& c : cases) {
        const ScreenRect placed = PlaceOnWorkArea(c.wanted, c.areas);
        EXPECT_EQ(placed, c.placed) << c.what << ": " << placed.Left << ", " << placed.Top;
    }
}

// Every combination of extreme places and sizes ends wholly on one of the work areas where
// the size fits one, with the size kept.
TEST(WindowPlace, ExtremePlacesEndWhollyOnAWorkArea) {
    const std::vector<ScreenRect> layouts[] = {
        {{0, 24, 1280, 1024}},
        {{0, 0, 1280, 1024}, {1280, 0, 3200, 1080}},
        {{0, 0, 1280, 1024}, {-1920, -300, 0, 780}},
        {{-1000, 0, 0, 768}, {0, 0, 1280, 1024}, {1280, -1080, 3200, 0}}};
    const std::int64_t places[] = {INT_MIN, INT_MIN + 1, -70000,     -1,          0,
                                   1,       70000,       2147483500, INT_MAX - 1, INT_MAX};
    const std::int64_t sizes[] = {0, 1, 300, 700};
    for (const auto& areas : layouts)
        for (std::int64_t x : places)
            for (std::int64_t y : places)
                for (std::int64_t w : sizes)
                    for (std::int64_t h : sizes) {
                        const ScreenRect placed = PlaceOnWorkArea(At(x, y, w, h), areas);
                        EXPECT_EQ(placed.Right - placed.Left, w);
                        EXPECT_EQ(placed.Bottom - placed.Top, h);
                        bool whollyOnOne = false;
                        for (const ScreenRect& a : areas)
                            whollyOnOne |= placed.Left >= a.Left && placed.Top >= a.Top &&
                                           placed.Right <= a.Right && placed.Bottom <= a.Bottom;
                        EXPECT_TRUE(whollyOnOne) << x << ", " << y << ", " << w << " x " << h
                                                 << " on " << areas.size() << " areas";
                    }
}

// Without a monitor to go by (none reported), the place stands.
TEST(WindowPlace, NoWorkAreaKeepsThePlace) {
    EXPECT_EQ(PlaceOnWorkArea(At(5000, 5000, 300, 200), {}), At(5000, 5000, 300, 200));
}
