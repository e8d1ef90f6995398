#include "ui/win_control.h"

#include <commctrl.h>

#include <optional>

#include "ui/canvas.h"
#include "ui/design.h"
#include "ui/error_box.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/resources.h"
#include "ui/text.h"
#include "ui/window_class.h"

namespace ui {

namespace {

constexpr UINT_PTR kSubclassId = 1;

using GetWindowSubclassFn = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR*);

// MinGW's import library lacks GetWindowSubclass; it is taken from the comctl32 loaded for
// the other subclass functions (the name resolves through the manifest's activation
// context to version 6), by name or by its ordinal 411 where it has no name.
GetWindowSubclassFn LookUpSubclass() {
    static const GetWindowSubclassFn fn = [] {
        HMODULE comctl = GetModuleHandleW(L"comctl32.dll");
        FARPROC p = GetProcAddress(comctl, "GetWindowSubclass");
        if (!p) p = GetProcAddress(comctl, MAKEINTRESOURCEA(411));
        return reinterpret_cast<GetWindowSubclassFn>(reinterpret_cast<void*>(p));
    }();
    return fn;
}

}  // namespace

WinControl::WinControl(std::string name, Form* owner, WinControl* parent)
    : Control(std::move(name), owner, parent) {}

WinControl::~WinControl() {
    DestroyHandle();
    if (hfont_) DeleteObject(hfont_);
    if (brush_) DeleteObject(brush_);
}

WinControl* WinControl::FromHandle(HWND hwnd) {
    DWORD_PTR ref = 0;
    if (hwnd && LookUpSubclass()(hwnd, SubclassProc, kSubclassId, &ref))
        return reinterpret_cast<WinControl*>(ref);
    return nullptr;
}

void WinControl::CreateChild(const wchar_t* className, DWORD style, DWORD exStyle,
                             const Design& design) {
    RECT r{design.left, design.top, design.left + design.width, design.top + design.height};
    CreateHandle(className, Cp1251ToWide(design.caption),
                 style | WS_CHILD | WS_CLIPSIBLINGS, exStyle, r, Parent()->Handle(),
                 Parent()->children_.size());
}

void WinControl::CreateHandle(const wchar_t* className, const std::wstring& text, DWORD style,
                              DWORD exStyle, RECT bounds, HWND parent, UINT_PTR id) {
    EnsureCommonControls();
    hwnd_ = CreateWindowExW(exStyle, className, text.c_str(), style, bounds.left, bounds.top,
                            bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                            (style & WS_CHILD) ? reinterpret_cast<HMENU>(id) : nullptr,
                            CodeModule(), nullptr);
    if (!hwnd_) throw std::runtime_error("Error creating window " + Name());
    SetWindowSubclass(hwnd_, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

void WinControl::DestroyHandle() {
    if (!hwnd_) return;
    HWND hwnd = hwnd_;
    // Detach first: the notifications a dying window sends its parent must not reach an
    // object that is half destroyed.
    RemoveWindowSubclass(hwnd, SubclassProc, kSubclassId);
    hwnd_ = nullptr;
    DestroyWindow(hwnd);
}

LRESULT CALLBACK WinControl::SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR, DWORD_PTR refData) {
    auto* self = reinterpret_cast<WinControl*>(refData);
    if (msg == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, SubclassProc, kSubclassId);
        self->hwnd_ = nullptr;
        return DefSubclassProc(hwnd, msg, wParam, lParam);
    }
    LRESULT result = 0;
    Guarded([&] { result = self->WindowProc(msg, wParam, lParam); });
    return result;
}

LRESULT WinControl::DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(hwnd_, msg, wParam, lParam);
}

namespace {

struct MouseMessage {
    bool down;  // down (a double click counts as one) or up
    MouseButton button;
};

std::optional<MouseMessage> MouseMessageOf(UINT msg) {
    switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            return MouseMessage{true, MouseButton::Left};
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            return MouseMessage{true, MouseButton::Right};
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            return MouseMessage{true, MouseButton::Middle};
        case WM_LBUTTONUP:
            return MouseMessage{false, MouseButton::Left};
        case WM_RBUTTONUP:
            return MouseMessage{false, MouseButton::Right};
        case WM_MBUTTONUP:
            return MouseMessage{false, MouseButton::Middle};
        default:
            return std::nullopt;
    }
}

}  // namespace

void WinControl::MouseEventFor(MouseEvent& event, MouseButton button, LPARAM lParam) {
    // Signed: positions left of or above the control arrive while it holds the capture.
    if (event)
        event(button, static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
}

GraphicControl* WinControl::GraphicChildAt(int x, int y) const {
    // The control painted last lies on top.
    for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
        auto* g = dynamic_cast<GraphicControl*>(*it);
        if (!g || !g->Visible() || !g->Enabled()) continue;
        const RECT b = g->Bounds();
        if (x >= b.left && x < b.right && y >= b.top && y < b.bottom) return g;
    }
    return nullptr;
}

void WinControl::MouseButtonMessage(bool down, MouseButton button, LPARAM lParam) {
    const int x = static_cast<short>(LOWORD(lParam));
    const int y = static_cast<short>(HIWORD(lParam));
    GraphicControl* g = mouseTarget_ ? mouseTarget_ : GraphicChildAt(x, y);
    Control* target = this;
    if (g) {
        target = g;
        const RECT b = g->Bounds();
        if (down) {
            // The release belongs to the control the button went down on, wherever it is.
            if (!mouseTarget_) {
                mouseTarget_ = g;
                SetCapture(hwnd_);
            }
            g->MouseDown(button, x - b.left, y - b.top);
        } else {
            mouseTarget_ = nullptr;
            if (GetCapture() == hwnd_) ReleaseCapture();
            g->MouseUp(button, x - b.left, y - b.top);
        }
    } else {
        MouseEventFor(down ? OnMouseDown : OnMouseUp, button, lParam);
    }
    if (!down && button == MouseButton::Right) {
        if (PopupMenu* menu = target->GetPopupMenu()) {
            POINT at{x, y};
            ClientToScreen(hwnd_, &at);
            menu->Popup(at.x, at.y);
        }
    }
}

LRESULT WinControl::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND child = nullptr;
    // The window does its own part first (a check box toggles on the button's release),
    // then the handler sees the result.
    if (const auto mouse = MouseMessageOf(msg)) {
        LRESULT r = DefaultProc(msg, wParam, lParam);
        MouseButtonMessage(mouse->down, mouse->button, lParam);
        return r;
    }
    switch (msg) {
        case WM_COMMAND:
        case WM_HSCROLL:
        case WM_VSCROLL:
            child = reinterpret_cast<HWND>(lParam);
            break;
        case WM_NOTIFY:
            child = reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
            break;
        case WM_DRAWITEM:
            // Owner-drawn controls draw themselves; menus are the form's.
            if (reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->CtlType == ODT_MENU)
                return DefaultProc(msg, wParam, lParam);
            child = reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem;
            break;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSCROLLBAR:
            if (WinControl* c = FromHandle(reinterpret_cast<HWND>(lParam)); c && c != this) {
                if (HBRUSH b = c->ControlColour(reinterpret_cast<HDC>(wParam)))
                    return reinterpret_cast<LRESULT>(b);
            }
            return DefaultProc(msg, wParam, lParam);
        case WM_SIZE: {
            LRESULT r = DefaultProc(msg, wParam, lParam);
            for (Control* c : std::vector<Control*>(children_)) c->ParentResized();
            return r;
        }
        default:
            return DefaultProc(msg, wParam, lParam);
    }
    if (WinControl* c = FromHandle(child); c && c != this) {
        LRESULT result = 0;
        if (c->Reflected(msg, wParam, lParam, result)) return result;
    }
    return DefaultProc(msg, wParam, lParam);
}

bool WinControl::Reflected(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

HBRUSH WinControl::Brush() {
    if (!brush_) brush_ = CreateSolidBrush(ToRgb(GetColour()));
    return brush_;
}

HBRUSH WinControl::ControlColour(HDC dc) {
    SetTextColor(dc, ToRgb(GetFont().colour));
    SetBkColor(dc, ToRgb(GetColour()));
    return Brush();
}

void WinControl::PaintSurface(HDC dc, const RECT& area) {
    FillRect(dc, &area, Brush());
    for (Control* c : children_) {
        auto* g = dynamic_cast<GraphicControl*>(c);
        if (!g || !g->Visible()) continue;
        RECT b = g->Bounds();
        RECT overlap;
        if (!IntersectRect(&overlap, &b, &area)) continue;
        int saved = SaveDC(dc);
        IntersectClipRect(dc, b.left, b.top, b.right, b.bottom);
        POINT origin;
        GetViewportOrgEx(dc, &origin);
        SetViewportOrgEx(dc, origin.x + b.left, origin.y + b.top, nullptr);
        {
            Canvas canvas(dc);
            g->Paint(canvas);
        }
        RestoreDC(dc, saved);
    }
}

RECT WinControl::Bounds() const {
    RECT r{};
    if (!hwnd_) return r;
    GetWindowRect(hwnd_, &r);
    if (HWND parent = GetParent(hwnd_); parent && (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_CHILD))
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void WinControl::SetBounds(int left, int top, int width, int height) {
    if (hwnd_) MoveWindow(hwnd_, left, top, width, height, TRUE);
}

std::string WinControl::Caption() const {
    if (!hwnd_) return {};
    int n = GetWindowTextLengthW(hwnd_);
    std::wstring w(static_cast<std::size_t>(n) + 1, L'\0');
    n = GetWindowTextW(hwnd_, w.data(), n + 1);
    w.resize(static_cast<std::size_t>(n));
    return WideToCp1251(w);
}

void WinControl::SetCaption(std::string_view caption) {
    if (hwnd_ && Caption() != caption) SetWindowTextW(hwnd_, Cp1251ToWide(caption).c_str());
}

void WinControl::SetFocus() {
    Form* form = Owner();
    if (form && form != this && !form->Active()) {
        form->FocusOnActivation(hwnd_);
        return;
    }
    ::SetFocus(hwnd_);
}

bool WinControl::Focused() const {
    HWND f = GetFocus();
    return f && (f == hwnd_ || IsChild(hwnd_, f));
}

void WinControl::Invalidate() {
    if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

void WinControl::Repaint() {
    if (hwnd_) RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void WinControl::ApplyVisible() {
    if (hwnd_) ShowWindow(hwnd_, Visible() ? SW_SHOW : SW_HIDE);
}

void WinControl::ApplyEnabled() {
    if (hwnd_) EnableWindow(hwnd_, Enabled());
}

void WinControl::ApplyFont() {
    HFONT fresh = CreateFontHandle(GetFont());
    if (hwnd_) SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(fresh), TRUE);
    if (hfont_) DeleteObject(hfont_);
    hfont_ = fresh;
}

void WinControl::ApplyColour() {
    if (brush_) DeleteObject(brush_);
    brush_ = nullptr;
    Invalidate();
}

void WinControl::ApplyHint() {
    if (Owner() && hwnd_) Owner()->SetToolHint(hwnd_, Hint());
}

}  // namespace ui
