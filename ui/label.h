#pragma once

#include "ui/win_control.h"

namespace ui {

// A line of text. A label designed without a width or height takes the size of its
// caption, and keeps fitting it when the caption or font changes.
class Label : public WinControl {
public:
    Label(Form& owner, WinControl& parent, const Design& design);

    void SetCaption(std::string_view caption) override;
    bool AutoSize() const { return autoSize_; }
    // Under every sibling: a label takes no focus, so the others' tab order stays as it is.
    void SendToBack();

protected:
    void ApplyFont() override;

private:
    void FitCaption();

    bool autoSize_;
};

}  // namespace ui
