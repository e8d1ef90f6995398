#include "ui/edit.h"

#include "ui/design.h"
#include "ui/text.h"

namespace ui {

namespace {

DWORD MemoStyle(const Design& design) {
    DWORD style = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
    if (design.scrollBars == ScrollBars::Vertical || design.scrollBars == ScrollBars::Both)
        style |= WS_VSCROLL;
    // Without a horizontal bar long lines wrap at the edge, as a memo's text usually does.
    if (design.scrollBars == ScrollBars::Horizontal || design.scrollBars == ScrollBars::Both)
        style |= WS_HSCROLL | ES_AUTOHSCROLL;
    return style;
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

}  // namespace

Edit::Edit(Form& owner, WinControl& parent, const Design& design)
    : Edit(owner, parent, design, ES_AUTOHSCROLL) {}

Edit::Edit(Form& owner, WinControl& parent, const Design& design, DWORD style)
    : WinControl(design.name, &owner, &parent) {
    CreateChild(L"EDIT", style | WS_TABSTOP | (design.readOnly ? ES_READONLY : 0),
                WS_EX_CLIENTEDGE, design);
}

void Edit::SetCaption(std::string_view text) {
    if (Caption() == text) return;
    // The control's own EN_CHANGE is not passed on: OnChange runs here, directly, so that
    // an error in it reaches the code that set the text.
    settingText_ = true;
    SetWindowTextW(Handle(), Cp1251ToWide(text).c_str());
    settingText_ = false;
    if (OnChange) OnChange();
}

bool Edit::ReadOnly() const { return (GetWindowLongPtrW(Handle(), GWL_STYLE) & ES_READONLY) != 0; }

void Edit::SetReadOnly(bool readOnly) { SendMessageW(Handle(), EM_SETREADONLY, readOnly, 0); }

bool Edit::Reflected(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    if (msg != WM_COMMAND || HIWORD(wParam) != EN_CHANGE) return false;
    if (!settingText_ && OnChange) OnChange();
    result = 0;
    return true;
}

Memo::Memo(Form& owner, WinControl& parent, const Design& design)
    : Edit(owner, parent, design, MemoStyle(design)) {
    if (!design.items.empty()) SetLines(design.items);
}

std::vector<std::string> Memo::Lines() const {
    std::vector<std::string> lines;
    std::string text = Caption();
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

void Memo::SetLines(const std::vector<std::string>& lines) { SetCaption(JoinLines(lines)); }

void Memo::AddLine(std::string_view line) {
    auto lines = Lines();
    lines.emplace_back(line);
    SetLines(lines);
}

}  // namespace ui
