#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/win_control.h"

namespace ui {

// A one-line text box. OnChange runs for every change of the text, typed or set from code;
// setting the text it already has does nothing. The user types and pastes at most the
// design's maxLength characters; text set from code is not cut.
class Edit : public WinControl {
public:
    Edit(Form& owner, WinControl& parent, const Design& design);

    void SetCaption(std::string_view text) override;
    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);

    std::function<void()> OnChange;

protected:
    Edit(Form& owner, WinControl& parent, const Design& design, DWORD style);
    bool Reflected(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    bool settingText_ = false;
};

// A multi-line text box. Its lines are the text split at line breaks (CR LF, a lone CR or a
// lone LF); a break at the very end starts no line of its own, so adding a line puts a break
// after it. Text set from code or pasted gets CR LF breaks, the only ones the control shows.
// The user types and pastes at most kMaxLength characters.
class Memo : public Edit {
public:
    // Wine's edit control wraps a paragraph in time that grows with the square of its length
    // (8 K characters: under half a second, 100 K: half a minute) and spends some 50 us on
    // every line, so a memo holds no more than this, line breaks included.
    static constexpr std::size_t kMaxLength = 8192;

    Memo(Form& owner, WinControl& parent, const Design& design);

    void SetCaption(std::string_view text) override;
    std::vector<std::string> Lines() const;
    int LineCount() const { return static_cast<int>(Lines().size()); }
    void SetLines(const std::vector<std::string>& lines);
    void AddLine(std::string_view line);
    void Clear() { SetCaption(""); }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace ui
