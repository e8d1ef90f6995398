#include "ui/form.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "ui/application.h"
#include "ui/error_box.h"
#include "ui/label.h"
#include "ui/menu.h"
#include "ui/modal.h"
#include "ui/resources.h"
#include "ui/text.h"
#include "ui/window_class.h"

namespace ui {

Font ResolveFont(const Font& parent, const FontDesign& design);

namespace {

DWORD FormStyle(const FormDesign& d) {
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    if (d.borderStyle == BorderStyle::Sizeable) style |= WS_THICKFRAME;
    if (d.borderStyle != BorderStyle::Dialog) {
        if (d.minimizeBox) style |= WS_MINIMIZEBOX;
        if (d.maximizeBox) style |= WS_MAXIMIZEBOX;
    }
    return style;
}

DWORD FormExStyle(const FormDesign& d) {
    DWORD ex = WS_EX_CONTROLPARENT;
    if (d.borderStyle == BorderStyle::Dialog) ex |= WS_EX_DLGMODALFRAME;
    return ex;
}

// The combo box that the window is, or whose edit it is; nullptr for any other window.
HWND ComboBoxOf(HWND window) {
    for (int depth = 0; depth < 2 && window; ++depth, window = GetParent(window)) {
        wchar_t name[16] = {};
        if (GetClassNameW(window, name, 16) && lstrcmpiW(name, WC_COMBOBOXW) == 0) return window;
    }
    return nullptr;
}

bool InDroppedComboBox(HWND window) {
    HWND combo = ComboBoxOf(window);
    return combo && SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0);
}

}  // namespace

Form::Form(const FormDesign& design, std::span<const Design> components)
    : WinControl(design.name, this, nullptr),
      caption_(design.caption),
      keyPreview_(design.keyPreview) {
    DWORD style = FormStyle(design);
    DWORD ex = FormExStyle(design);
    RECT r{0, 0, design.clientWidth, design.clientHeight};
    AdjustWindowRectEx(&r, style, FALSE, ex);
    CreateHandle(FormClassName(), Cp1251ToWide(design.caption), style, ex,
                 RECT{design.left, design.top, design.left + r.right - r.left,
                      design.top + r.bottom - r.top},
                 nullptr, 0);
    SetFont(ResolveFont(Font{}, design.font));
    SetColour(design.colour == kDefaultColour ? kBtnFace : design.colour);
    wantedClientWidth_ = design.clientWidth;
    wantedClientHeight_ = design.clientHeight;
    for (const Design& d : components) AddComponent(d);
    // Labels lie under the other controls, so that an edit placed in the blanks of a
    // caption shows (new child windows go under their older siblings).
    for (const auto& c : components_)
        if (auto* label = dynamic_cast<Label*>(c.get())) label->SendToBack();
    FitClientSize();
}

Form::~Form() {
    // Newest first: children go before their parents, and each control takes its window
    // with it while the form can still reflect the notifications of dying windows.
    while (!components_.empty()) components_.pop_back();
    if (tooltip_) DestroyWindow(tooltip_);
    DestroyHandle();
}

void Form::FitClientSize() {
    if (wantedClientWidth_ <= 0 || wantedClientHeight_ <= 0) return;
    // The frame and the menu bar (which may wrap onto more lines) are measured, not
    // computed: what counts is the client area the window really has.
    RECT client, outer;
    GetClientRect(Handle(), &client);
    GetWindowRect(Handle(), &outer);
    int dw = wantedClientWidth_ - client.right;
    int dh = wantedClientHeight_ - client.bottom;
    if (dw == 0 && dh == 0) return;
    SetWindowPos(Handle(), nullptr, 0, 0, outer.right - outer.left + dw,
                 outer.bottom - outer.top + dh, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int Form::ClientWidth() const {
    RECT r;
    GetClientRect(Handle(), &r);
    return r.right;
}

int Form::ClientHeight() const {
    RECT r;
    GetClientRect(Handle(), &r);
    return r.bottom;
}

void Form::SetClientSize(int width, int height) {
    wantedClientWidth_ = width;
    wantedClientHeight_ = height;
    FitClientSize();
}

Component& Form::Adopt(std::unique_ptr<Component> component) {
    const std::string& name = component->Name();
    if (name.empty()) throw std::logic_error("A component of " + Name() + " has no name");
    if (FindComponent(name))
        throw std::logic_error("A component named " + name + " already exists on " + Name());
    Component& adopted = *component;
    components_.push_back(std::move(component));
    byName_.emplace(adopted.Name(), &adopted);
    return adopted;
}

Component* Form::FindComponent(std::string_view name) const {
    auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second;
}

void Form::SetCaption(std::string_view caption) {
    if (caption_ == caption) return;
    caption_ = caption;
    if (Handle()) SetWindowTextW(Handle(), Cp1251ToWide(caption_).c_str());
}

void Form::Create() {
    Guarded([&] {
        if (OnCreate) OnCreate();
    });
}

void Form::Show() {
    if (Visible()) {
        SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        SetActiveWindow(Handle());
    }
    SetVisible(true);
}

void Form::ApplyVisible() {
    if (Visible()) {
        Guarded([&] {
            if (OnShow) OnShow();
        });
        ShowWindow(Handle(), SW_SHOW);
    } else {
        Guarded([&] {
            if (OnHide) OnHide();
        });
        ShowWindow(Handle(), SW_HIDE);
    }
}

void Form::Close() {
    // A second close request that arrives while the first is asking or closing (messages
    // processed inside its handlers) is the same request.
    if (closing_) return;
    closing_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{closing_};
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(canClose);
    if (!canClose) return;
    Closed();
}

void Form::Closed() {
    CloseAction action = CloseAction::Hide;
    if (OnClose) OnClose(action);
    if (action == CloseAction::None) return;
    if (modal_) {
        // The modal loop ends and hides the form.
        if (modalResult_ == 0) modalResult_ = IDCANCEL;
        return;
    }
    if (App().MainForm() == this)
        App().Terminate();
    else
        Hide();
}

int Form::ShowModal() {
    if (Visible() || modal_) throw std::logic_error("Cannot make a visible window modal");
    modalResult_ = 0;
    modal_ = true;
    {
        // The others are enabled again before the form hides, or Windows activates some
        // other program's window.
        ModalWindow others(nullptr);
        modalDepth_ = ModalDepth();
        Show();
        MSG msg;
        while (modalResult_ == 0) {
            BOOL got = GetMessageW(&msg, nullptr, 0, 0);
            if (got <= 0) {
                // The application is ending: leave the quit message to the main loop.
                PostQuitMessage(static_cast<int>(msg.wParam));
                modalResult_ = IDCANCEL;
                break;
            }
            Application::Dispatch(msg);
        }
        modal_ = false;
    }
    Hide();
    return modalResult_;
}

namespace {
// Held messages are looked at again this often until no modal step is open.
constexpr UINT_PTR kHeldMessagesTimer = 0x5EED;
constexpr UINT kHeldMessagesInterval = 100;
}  // namespace

bool Form::HoldWhileModal(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!ModalStepOpen()) return false;
    const HeldMessage m{msg, wParam, lParam};
    if (std::find(held_.begin(), held_.end(), m) == held_.end()) held_.push_back(m);
    SetTimer(Handle(), kHeldMessagesTimer, kHeldMessagesInterval, nullptr);
    BringModalStepToFront();
    return true;
}

void Form::PostHeldMessages() {
    if (ModalStepOpen()) return;
    KillTimer(Handle(), kHeldMessagesTimer);
    // Posted, not handled here: each arrives as a message of its own, held again should a
    // step have opened by then.
    for (const HeldMessage& m : std::exchange(held_, {})) PostMessageW(Handle(), m.msg, m.wParam, m.lParam);
}

LRESULT Form::QueryEndSession() {
    // The session waits for the dialog the user is answering; otherwise the program is
    // asked as by a close (an unsaved record's question) and may refuse.
    if (ModalStepOpen()) {
        BringModalStepToFront();
        return FALSE;
    }
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(canClose);
    return canClose ? TRUE : FALSE;
}

void Form::EndSession(bool ending) {
    // The process ends once this returns: the close's own steps run now, without asking
    // again (the query was answered).
    if (ending) Closed();
}

void Form::BecomeActiveForm() {
    // Decided here, by the form that gains the activation, not from the WM_ACTIVATE of the
    // one that loses it: under Wine the loss often names no window (the change arrives from
    // X as focus out, then focus in), so it cannot tell a form from a message box or from
    // another program.
    if (activeForm_) return;
    struct Others {
        HWND self;
    } others{Handle()};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM p) -> BOOL {
            HWND self = reinterpret_cast<Others*>(p)->self;
            if (w != self && IsFormWindow(w))
                SendMessageW(w, FormActivatedMessage(), reinterpret_cast<WPARAM>(self), 0);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&others));
    activeForm_ = true;
    if (OnActivate) OnActivate();
}

void Form::BringToFrontLater() {
    PostMessageW(Handle(), FormToFrontMessage(), 0, 0);
}

bool Form::Active() const { return GetActiveWindow() == Handle(); }

void Form::SetFocus() {
    if (!Visible()) return;
    SetActiveWindow(Handle());
    if (!Focused()) RestoreFocus();
}

void Form::RestoreFocus() {
    if (lastFocus_ && IsWindow(lastFocus_) && IsChild(Handle(), lastFocus_) &&
        IsWindowVisible(lastFocus_) && IsWindowEnabled(lastFocus_)) {
        ::SetFocus(lastFocus_);
        return;
    }
    HWND first = GetNextDlgTabItem(Handle(), nullptr, FALSE);
    ::SetFocus(first ? first : Handle());
}

void Form::SetToolHint(HWND tool, const std::string& text) {
    if (!tooltip_) {
        if (text.empty()) return;
        tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                   WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr,
                                   CodeModule(), nullptr);
        SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, 400);
    }
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = Handle();
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    if (text.empty()) return;
    std::wstring wide = Cp1251ToWide(text);
    info.lpszText = wide.data();
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

bool Form::KeyDown(WORD& key) {
    if (OnKeyDown) OnKeyDown(key);
    return key == 0;
}

bool Form::KeyPress(WPARAM& character) {
    if (!OnKeyPress) return false;
    std::string narrow = WideToCp1251(std::wstring(1, static_cast<wchar_t>(character)));
    char key = narrow.empty() ? '?' : narrow[0];
    const char before = key;
    OnKeyPress(key);
    if (key == 0) return true;
    if (key != before) character = Cp1251ToWide(std::string(1, key))[0];
    return false;
}

bool Form::TabToNextControl(const MSG& msg) {
    HWND focus = GetFocus();
    if (focus && focus != Handle()) {
        LRESULT code = SendMessageW(focus, WM_GETDLGCODE, VK_TAB, reinterpret_cast<LPARAM>(&msg));
        if (code & DLGC_WANTTAB) return false;
    }
    // Start from the control itself, not from a window inside it (a combo box's edit).
    HWND start = focus == Handle() ? nullptr : focus;
    while (start && GetParent(start) != Handle() &&
           !(GetWindowLongPtrW(GetParent(start), GWL_EXSTYLE) & WS_EX_CONTROLPARENT))
        start = GetParent(start);
    HWND next = GetNextDlgTabItem(Handle(), start, GetKeyState(VK_SHIFT) < 0);
    if (next) ::SetFocus(next);
    return true;
}

bool Form::PressFocusedButton() {
    // A plain BUTTON acts on the space bar only; Enter pressing the focused push button is
    // the dialog manager's, which these forms do without. The click is the button's
    // notification, not BM_CLICK, which would also run its mouse handlers.
    HWND focus = GetFocus();
    if (!focus || !IsChild(Handle(), focus) || !IsWindowEnabled(focus)) return false;
    if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_SHIFT) < 0) return false;
    wchar_t cls[16] = {};
    GetClassNameW(focus, cls, 16);
    if (lstrcmpiW(cls, L"Button") != 0) return false;
    const LONG_PTR type = GetWindowLongPtrW(focus, GWL_STYLE) & BS_TYPEMASK;
    if (type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON) return false;
    SendMessageW(GetParent(focus), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(focus), BN_CLICKED),
                 reinterpret_cast<LPARAM>(focus));
    return true;
}

bool Form::PreviewKey(MSG& msg) {
    // Keys sent to the form window itself reach its own WM_KEYDOWN and WM_CHAR handling.
    bool own = msg.hwnd == Handle();
    // Esc in an open drop-down list closes the list and nothing else: the combo box acts on
    // the key-down, and the Esc character that follows it, when the list is already closed,
    // is no one's.
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
        escapeClosedList_ = !own && InDroppedComboBox(msg.hwnd);
        if (escapeClosedList_) return false;
    } else if (msg.message == WM_CHAR && msg.wParam == VK_ESCAPE && !own) {
        const bool forList = escapeClosedList_ || InDroppedComboBox(msg.hwnd);
        escapeClosedList_ = false;
        if (forList) {
            if (HWND combo = ComboBoxOf(msg.hwnd)) SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
            return true;
        }
    } else if (msg.message == WM_KEYDOWN) {
        escapeClosedList_ = false;
    }
    if (msg.message == WM_KEYDOWN) {
        if (!own && keyPreview_) {
            WORD key = static_cast<WORD>(msg.wParam);
            if (KeyDown(key)) return true;
            msg.wParam = key;
        }
        if (msg.wParam == VK_TAB) return TabToNextControl(msg);
        if (msg.wParam == VK_RETURN) return PressFocusedButton();
    } else if (msg.message == WM_CHAR && !own && keyPreview_) {
        return KeyPress(msg.wParam);
    }
    return false;
}

LRESULT Form::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == KeyPreviewMessage()) return PreviewKey(*reinterpret_cast<MSG*>(lParam)) ? 1 : 0;
    if (msg == FormToFrontMessage()) {
        if (Visible()) Show();
        return 0;
    }
    if (msg == FormActivatedMessage()) {
        if (activeForm_ && reinterpret_cast<HWND>(wParam) != Handle()) {
            activeForm_ = false;
            if (OnDeactivate) OnDeactivate();
        }
        return 0;
    }
    LRESULT painted = 0;
    if (PaintMessage(msg, wParam, [this](HDC dc, const RECT& r) { PaintSurface(dc, r); }, painted))
        return painted;
    switch (msg) {
        case WM_CLOSE:
            // Never the default: it would destroy the window, and forms only hide. A close
            // never runs over a box or dialog the user is answering: it waits for its end.
            // A modal form is that step itself, and closes.
            if (modal_ || !HoldWhileModal(msg, wParam, lParam)) Close();
            return 0;
        case WM_TIMER:
            if (wParam != kHeldMessagesTimer) break;
            PostHeldMessages();
            return 0;
        case WM_QUERYENDSESSION:
            if (App().MainForm() != this) break;
            return QueryEndSession();
        case WM_ENDSESSION:
            if (App().MainForm() != this) break;
            EndSession(wParam != FALSE);
            return 0;
        case WM_COMMAND:
            if (lParam == 0 && HIWORD(wParam) == 0 && menu_) {
                if (MenuItem* item = menu_->FindCommand(LOWORD(wParam))) {
                    item->Click();
                    return 0;
                }
            }
            break;
        case WM_MEASUREITEM: {
            auto* m = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            if (m->CtlType == ODT_MENU && menu_ && menu_->MeasureItem(*m)) return TRUE;
            break;
        }
        case WM_DRAWITEM: {
            auto* d = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
            if (d->CtlType == ODT_MENU && menu_ && menu_->DrawItem(*d)) return TRUE;
            break;
        }
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND f = GetFocus();
                if (f && IsChild(Handle(), f)) lastFocus_ = f;
            } else {
                if (!HIWORD(wParam)) RestoreFocus();
                BecomeActiveForm();
            }
            return 0;
        case WM_SIZE: {
            LRESULT r = WinControl::WindowProc(msg, wParam, lParam);
            if (OnResize) OnResize();
            return r;
        }
        case WM_KEYDOWN: {
            WORD key = static_cast<WORD>(wParam);
            if (KeyDown(key)) return 0;
            break;
        }
        case WM_CHAR: {
            WPARAM c = wParam;
            if (KeyPress(c)) return 0;
            return DefaultProc(msg, c, lParam);
        }
        default:
            break;
    }
    return WinControl::WindowProc(msg, wParam, lParam);
}

}  // namespace ui
