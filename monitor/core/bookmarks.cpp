#include "monitor/core/bookmarks.h"

#include <algorithm>
#include <optional>

#include "monitor/core/rounding.h"

namespace velmorant {

namespace {

// A caption as a decimal number; captions come from recorded files too, so anything else is
// no bookmark rather than an error.
std::optional<long long> CaptionNumber(std::string_view caption) {
    std::size_t i = 0;
    const bool negative = !caption.empty() && caption[0] == '-';
    if (negative) ++i;
    if (i == caption.size()) return std::nullopt;
    long long v = 0;
    for (; i < caption.size(); ++i) {
        if (caption[i] < '0' || caption[i] > '9') return std::nullopt;
        v = std::min(v * 10 + (caption[i] - '0'), 1'000'000'000LL);
    }
    return negative ? -v : v;
}

}  // namespace

BookmarkAction BookmarkMouseDown(std::string_view caption, MouseButton button, int position,
                                 int maximum) {
    BookmarkAction a;
    if (button == MouseButton::Right) {
        a.What = BookmarkAction::Kind::SetCaption;
        a.Caption.assign(1, '0');  // not = "0": GCC 12 warns falsely (-Wrestrict) on that
    } else if (button == MouseButton::Left) {
        if (caption == "0") {
            a.What = BookmarkAction::Kind::SetCaption;
            a.Caption = std::to_string(position);
        } else if (const auto n = CaptionNumber(caption)) {
            a.What = BookmarkAction::Kind::GoToFrame;
            a.Frame = static_cast<int>(std::clamp<long long>(*n, 1, std::max(maximum, 1)));
        }
    }
    return a;
}

std::array<BookmarkPlace, 5> BookmarkLayout(int windowWidth) {
    const long double w = windowWidth - 5;
    std::array<BookmarkPlace, 5> places;
    for (int n = 1; n <= 5; ++n) {
        places[static_cast<std::size_t>(n - 1)].Left =
            static_cast<int>(RoundHalfEven((n - 1) * (w / 5)));
        places[static_cast<std::size_t>(n - 1)].Width = static_cast<int>(RoundHalfEven(w / 5.05L));
    }
    return places;
}

}  // namespace velmorant
