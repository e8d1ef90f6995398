#include "monitor/core/bookmarks.h"

#include <gtest/gtest.h>

using namespace velmorant;

TEST(Bookmarks, MouseButtons) {
    using Kind = BookmarkAction::Kind;
    struct Case {
        const char* caption;
        MouseButton button;
        int position, maximum;
        Kind what;
        const char* caption2;
        int frame;
    };
    const Case cases[] = {
        {"0", MouseButton::Left, 40, 100, Kind::SetCaption, "40", 0},
        {"40", MouseButton::Left, 5, 30, Kind::GoToFrame, "", 30},  // record cut to 30
        {"12", MouseButton::Left, 5, 30, Kind::GoToFrame, "", 12},
        {"12", MouseButton::Right, 5, 30, Kind::SetCaption, "0", 0},
        {"0", MouseButton::Right, 5, 30, Kind::SetCaption, "0", 0},
        {"12", MouseButton::Middle, 5, 30, Kind::Nothing, "", 0},
        {"-3", MouseButton::Left, 5, 30, Kind::GoToFrame, "", 1},
        {"99999999999", MouseButton::Left, 5, 30, Kind::GoToFrame, "", 30},
        {"abc", MouseButton::Left, 5, 30, Kind::Nothing, "", 0},
        {"", MouseButton::Left, 5, 30, Kind::Nothing, "", 0},
    };
    for (const Case& c : cases) {
        const BookmarkAction a = BookmarkMouseDown(c.caption, c.button, c.position, c.maximum);
        EXPECT_EQ(a.What, c.what) << c.caption;
        EXPECT_EQ(a.Caption, c.caption2) << c.caption;
        EXPECT_EQ(a.Frame, c.frame) << c.caption;
    }
}

TEST(Bookmarks, LayoutRoundsLeftsAndWidths) {
    struct Case {
        int windowWidth;
        std::array<int, 5> lefts;
        int width;
    };
    const Case cases[] = {{336, {0, 66, 132, 199, 265}, 66}, {729, {0, 145, 290, 434, 579}, 143}};
    for (const Case& c : cases) {
        const auto places = BookmarkLayout(c.windowWidth);
        for (int n = 0; n < 5; ++n) {
            EXPECT_EQ(places[static_cast<std::size_t>(n)].Left,
                      c.lefts[static_cast<std::size_t>(n)])
                << c.windowWidth;
            EXPECT_EQ(places[static_cast<std::size_t>(n)].Width, c.width) << c.windowWidth;
        }
    }
}
