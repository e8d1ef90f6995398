#pragma once

#include <functional>

#include "ui/win_control.h"

namespace ui {

// A position within Min..Max: the base of scroll bars and track bars. However the position
// changes (from code, by the user, or because the range moved past it) it is clamped to the
// range, and OnChange runs when it differs from before; setting the same position again
// does nothing.
class RangeControl : public WinControl {
public:
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    int SmallChange() const { return smallChange_; }
    int LargeChange() const { return largeChange_; }

    // A range with its minimum above its maximum is a program error.
    void SetMin(int min);
    void SetMax(int max);
    void SetPosition(int position);
    void SetSmallChange(int change) { smallChange_ = change; }
    void SetLargeChange(int change);

    std::function<void()> OnChange;

protected:
    RangeControl(Form& owner, WinControl& parent, const Design& design);
    // Applies the design's range and position (no handler is set yet).
    void Init(const Design& design);
    // Shows the range, position and page in the window.
    virtual void ShowRange() = 0;
    // Shows a new position within the same range.
    virtual void ShowPosition() { ShowRange(); }
    void MoveTo(int position);

private:
    void SetRange(int min, int max);

    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int smallChange_ = 1;
    int largeChange_ = 1;
};

class ScrollBar : public RangeControl {
public:
    ScrollBar(Form& owner, WinControl& parent, const Design& design);

protected:
    void ShowRange() override;
    bool Reflected(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    HBRUSH ControlColour(HDC) override { return nullptr; }
};

class TrackBar : public RangeControl {
public:
    TrackBar(Form& owner, WinControl& parent, const Design& design);

protected:
    void ShowRange() override;
    void ShowPosition() override;
    bool Reflected(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    int shownMin_ = 0;
    int shownMax_ = -1;  // none shown yet
};

}  // namespace ui
