#pragma once

#include <string>
#include <string_view>

#include "ui/win_control.h"

namespace ui {

// A line of text. A label designed without a width or height takes the size of its
// caption, and keeps fitting it when the caption or font changes.
class Label : public WinControl {
public:
    Label(Form& owner, WinControl& parent, const Design& design);

    // The caption is kept here as well: only this object sets a label's text, and reading
    // it back from the window costs two round trips under Wine at every comparison.
    std::string Caption() const override { return caption_; }
    void SetCaption(std::string_view caption) override;
    bool AutoSize() const { return autoSize_; }
    // Under every sibling: a label takes no focus, so the others' tab order stays as it is.
    void SendToBack();

protected:
    void ApplyFont() override;

private:
    void FitCaption();

    bool autoSize_;
    std::string caption_;
};

}  // namespace ui
