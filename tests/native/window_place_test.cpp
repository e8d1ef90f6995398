#include "monitor/core/window_place.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <utility>
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

// A window with no place of its own beside a main window of 336 x 658: the charts window's
// size (757 x 374) or the car window's (561 x 657), on one screen of 1280 x 1024, a small one,
// a strip, or two side by side.
TEST(WindowPlace, BesideTheMainWindowOnItsWorkArea) {
    const std::vector<ScreenRect> one = {{0, 0, 1280, 1024}};
    const std::vector<ScreenRect> underBar = {{0, 24, 1280, 1024}};
    const std::vector<ScreenRect> small = {{0, 0, 1024, 768}};
    const std::vector<ScreenRect> narrow = {{0, 0, 800, 1200}};
    const std::vector<ScreenRect> tiny = {{0, 0, 640, 480}};
    const std::vector<ScreenRect> two = {{0, 0, 1280, 1024}, {1280, 0, 3200, 1080}};
    struct Case {
        const char* what;
        const std::vector<ScreenRect>& areas;
        ScreenRect main;
        std::int64_t width, height;
        ScreenRect placed;
    };
    const Case cases[] = {
        {"main at the left: right of it", one, At(0, 0, 336, 658), 757, 374, At(336, 0, 757, 374)},
        {"the car window too", one, At(0, 0, 336, 658), 561, 657, At(336, 0, 561, 657)},
        {"under a top bar", underBar, At(0, 24, 336, 658), 757, 374, At(336, 24, 757, 374)},
        {"main at the right edge: left of it", one, At(944, 0, 336, 658), 757, 374,
         At(187, 0, 757, 374)},
        {"main low: beside it, up onto the screen", one, At(0, 800, 336, 224), 757, 374,
         At(336, 650, 757, 374)},
        {"no room beside it: below", narrow, At(100, 0, 336, 400), 757, 374, At(43, 400, 757, 374)},
        {"no room beside or below: above", narrow, At(0, 800, 336, 400), 757, 374,
         At(0, 426, 757, 374)},
        {"a small screen: covering the least of it", small, At(0, 0, 336, 658), 757, 374,
         At(267, 394, 757, 374)},
        {"larger than the screen: at its top left", tiny, At(0, 0, 336, 658), 757, 374,
         At(0, 0, 757, 374)},
        {"main on the second screen", two, At(1300, 100, 336, 658), 757, 374,
         At(1636, 100, 757, 374)},
        {"main at the right edge of the first: stays on the first", two, At(944, 0, 336, 658), 757,
         374, At(187, 0, 757, 374)},
        {"main at the right edge of the second", two, At(2864, 0, 336, 658), 757, 374,
         At(2107, 0, 757, 374)},
        {"main mostly on the second", two, At(1200, 0, 336, 658), 757, 374, At(1536, 0, 757, 374)},
    };
    for (const Case& c : cases) {
        const ScreenRect placed = PlaceBesideMain(c.main, c.width, c.height, c.areas);
        EXPECT_EQ(placed, c.placed) << c.what << ": " << placed.Left << ", " << placed.Top;
    }
}

// Without a monitor to go by, right of the main window.
TEST(WindowPlace, BesideTheMainWindowWithoutAWorkArea) {
    EXPECT_EQ(PlaceBesideMain(At(5000, 10, 336, 658), 757, 374, {}), At(5336, 10, 757, 374));
}

// On a small area, against every place the window could take there: the place chosen lies
// wholly on the area and covers no more of the main window than the best of them.
TEST(WindowPlace, BesideTheMainWindowCoversTheLeastThatAnyPlaceCould) {
    const ScreenRect area = {0, 0, 40, 30};
    const auto covered = [](const ScreenRect& a, const ScreenRect& b) {
        const std::int64_t w = std::min(a.Right, b.Right) - std::max(a.Left, b.Left);
        const std::int64_t h = std::min(a.Bottom, b.Bottom) - std::max(a.Top, b.Top);
        return w > 0 && h > 0 ? w * h : 0;
    };
    for (std::int64_t mx = -5; mx <= 35; mx += 5)
        for (std::int64_t my = 0; my <= 25; my += 5)
            for (const auto& [mw, mh] : {std::pair{10, 10}, {25, 8}, {6, 28}})
                for (const auto& [w, h] : {std::pair{12, 9}, {30, 5}, {8, 26}, {40, 30}}) {
                    SCOPED_TRACE(testing::Message() << "main at " << mx << ", " << my << ", " << mw
                                                    << " x " << mh << "; " << w << " x " << h);
                    const ScreenRect main = At(mx, my, mw, mh);
                    const ScreenRect placed = PlaceBesideMain(main, w, h, {&area, 1});
                    std::int64_t least = -1;
                    for (std::int64_t x = 0; x + w <= 40; ++x)
                        for (std::int64_t y = 0; y + h <= 30; ++y) {
                            const std::int64_t c = covered(At(x, y, w, h), main);
                            if (least < 0 || c < least) least = c;
                        }
                    EXPECT_EQ(placed.Right - placed.Left, w);
                    EXPECT_EQ(placed.Bottom - placed.Top, h);
                    EXPECT_TRUE(placed.Left >= 0 && placed.Top >= 0 && placed.Right <= 40 &&
                                placed.Bottom <= 30);
                    EXPECT_EQ(covered(placed, main), least);
                }
}
