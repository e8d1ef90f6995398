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

// The text with every line break made CR LF.
template <class Char>
std::basic_string<Char> CrLfBreaks(std::basic_string_view<Char> text) {
    std::basic_string<Char> out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const Char c = text[i];
        if (c != Char('\r') && c != Char('\n')) {
            out += c;
            continue;
        }
        if (c == Char('\r') && i + 1 < text.size() && text[i + 1] == Char('\n')) ++i;
        out += Char('\r');
        out += Char('\n');
    }
    return out;
}

// The clipboard's text; nothing when it holds none.
bool ClipboardText(HWND owner, std::wstring& text) {
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(owner)) return false;
    bool got = false;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text.assign(chars);
            got = true;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return got;
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
    if (design.maxLength > 0) SendMessageW(Handle(), EM_SETLIMITTEXT, design.maxLength, 0);
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
    SendMessageW(Handle(), EM_SETLIMITTEXT, kMaxLength, 0);
    if (!design.items.empty()) SetLines(design.items);
}

void Memo::SetCaption(std::string_view text) {
    Edit::SetCaption(CrLfBreaks(text));
}

LRESULT Memo::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    // The control itself breaks lines only at CR LF: pasted LF or CR breaks would show as one
    // line and be counted as several.
    std::wstring pasted;
    if (msg == WM_PASTE && !ReadOnly() && ClipboardText(Handle(), pasted)) {
        const std::wstring text = CrLfBreaks(std::wstring_view(pasted));
        SendMessageW(Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
        return 0;
    }
    return Edit::WindowProc(msg, wParam, lParam);
}

std::vector<std::string> Memo::Lines() const {
    std::vector<std::string> lines;
    const std::string text = Caption();
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
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
