#pragma once

#include <array>
#include <string>
#include <string_view>

namespace velmorant {

enum class MouseButton { Left, Right, Middle };

// What a mouse button going down on a bookmark button does. Bookmarks live in the buttons'
// captions: a frame number, or "0" for an empty one.
struct BookmarkAction {
    enum class Kind { Nothing, SetCaption, GoToFrame };
    Kind What = Kind::Nothing;
    std::string Caption;  // SetCaption
    int Frame = 0;        // GoToFrame: within 1..maximum
};

BookmarkAction BookmarkMouseDown(std::string_view caption, MouseButton button, int position,
                                 int maximum);

struct BookmarkPlace {
    int Left = 0;
    int Width = 0;
};

// Place n (0..4) is shared by bookmark buttons n + 1 and n + 6, the two rows.
std::array<BookmarkPlace, 5> BookmarkLayout(int windowWidth);

}  // namespace velmorant
