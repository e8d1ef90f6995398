#include "ui/range_control.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>

#include "ui/design.h"

namespace ui {

RangeControl::RangeControl(Form& owner, WinControl& parent, const Design& design)
    : WinControl(design.name, &owner, &parent) {}

void RangeControl::Init(const Design& design) {
    if (design.min > design.max) throw std::out_of_range("Scroll bar property out of range");
    min_ = design.min;
    max_ = design.max;
    position_ = std::clamp(design.position, min_, max_);
    smallChange_ = design.smallChange;
    largeChange_ = design.largeChange;
    ShowRange();
}

void RangeControl::SetRange(int min, int max) {
    if (min > max) throw std::out_of_range("Scroll bar property out of range");
    if (min == min_ && max == max_) return;
    min_ = min;
    max_ = max;
    int old = position_;
    position_ = std::clamp(position_, min_, max_);
    ShowRange();
    if (position_ != old && OnChange) OnChange();
}

void RangeControl::SetMin(int min) { SetRange(min, max_); }

void RangeControl::SetMax(int max) { SetRange(min_, max); }

void RangeControl::SetPosition(int position) { MoveTo(position); }

void RangeControl::SetLargeChange(int change) {
    largeChange_ = change;
    ShowRange();
}

void RangeControl::MoveTo(int position) {
    position = std::clamp(position, min_, max_);
    if (position == position_) return;
    position_ = position;
    ShowPosition();
    if (OnChange) OnChange();
}

ScrollBar::ScrollBar(Form& owner, WinControl& parent, const Design& design)
    : RangeControl(owner, parent, design) {
    Design plain = design;
    plain.caption.clear();
    CreateChild(L"SCROLLBAR", SBS_HORZ | WS_TABSTOP, 0, plain);
    Init(design);
}

void ScrollBar::ShowRange() {
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    // Page 0: the thumb runs the whole range, Max included, as the position does.
    si.fMask = SIF_RANGE | SIF_POS | SIF_PAGE | SIF_DISABLENOSCROLL;
    si.nMin = Min();
    si.nMax = Max();
    si.nPage = 0;
    si.nPos = Position();
    SetScrollInfo(Handle(), SB_CTL, &si, TRUE);
}

bool ScrollBar::Reflected(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    if (msg != WM_HSCROLL) return false;
    int p = Position();
    switch (LOWORD(wParam)) {
        case SB_LINELEFT: p -= SmallChange(); break;
        case SB_LINERIGHT: p += SmallChange(); break;
        case SB_PAGELEFT: p -= LargeChange(); break;
        case SB_PAGERIGHT: p += LargeChange(); break;
        case SB_LEFT: p = Min(); break;
        case SB_RIGHT: p = Max(); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: {
            // The 16-bit position in wParam would cut large ranges; the track position is whole.
            SCROLLINFO si{};
            si.cbSize = sizeof si;
            si.fMask = SIF_TRACKPOS;
            GetScrollInfo(Handle(), SB_CTL, &si);
            p = si.nTrackPos;
            break;
        }
        default: break;
    }
    MoveTo(p);
    result = 0;
    return true;
}

TrackBar::TrackBar(Form& owner, WinControl& parent, const Design& design)
    : RangeControl(owner, parent, design) {
    Design plain = design;
    plain.caption.clear();
    // Ticks below the bar, one for every position; the bar puts them again at each range.
    CreateChild(TRACKBAR_CLASSW, TBS_HORZ | TBS_BOTTOM | TBS_AUTOTICKS | WS_TABSTOP, 0, plain);
    SendMessageW(Handle(), TBM_SETTICFREQ, 1, 0);
    Init(design);
}

void TrackBar::ShowRange() {
    // A new range moves every tick and the thumb, which the bar repaints only when asked to:
    // without it the old ticks and thumb stay on screen.
    const bool newRange = Min() != shownMin_ || Max() != shownMax_;
    shownMin_ = Min();
    shownMax_ = Max();
    SendMessageW(Handle(), TBM_SETRANGEMIN, FALSE, Min());
    SendMessageW(Handle(), TBM_SETRANGEMAX, newRange, Max());
    SendMessageW(Handle(), TBM_SETPAGESIZE, 0, LargeChange());
    SendMessageW(Handle(), TBM_SETLINESIZE, 0, SmallChange());
    SendMessageW(Handle(), TBM_SETPOS, TRUE, Position());
}

void TrackBar::ShowPosition() {
    // The marker moves at every frame: the range, page and line steps stay as they are.
    SendMessageW(Handle(), TBM_SETPOS, TRUE, Position());
}

bool TrackBar::Reflected(UINT msg, WPARAM, LPARAM, LRESULT& result) {
    if (msg != WM_HSCROLL) return false;
    // The bar has moved its thumb already; take over where it stands.
    MoveTo(static_cast<int>(SendMessageW(Handle(), TBM_GETPOS, 0, 0)));
    result = 0;
    return true;
}

}  // namespace ui
