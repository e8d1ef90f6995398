#include "ui/timer.h"

#include <stdexcept>

#include "ui/error_box.h"
#include "ui/form.h"
#include "ui/modal.h"
#include "ui/resources.h"

namespace ui {

namespace {

constexpr UINT_PTR kTimerId = 1;
constexpr wchar_t kTimerClass[] = L"UiTimer";

LRESULT CALLBACK TimerWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_TIMER && wParam == kTimerId) {
        auto* timer = reinterpret_cast<Timer*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        // A tick already queued when the timer was switched off is dropped. While a modal step
        // is under way the tick is skipped: the timer fires again (a one-shot timer switches
        // itself off only in its handler), so its work waits for the step's end instead of
        // running on top of it. A modal form's own timers are part of its step.
        const int own = timer && timer->Owner() ? timer->Owner()->ModalLoopDepth() : 0;
        if (timer && timer->Enabled() && !ModalStepOpenAbove(own)) Guarded([&] {
                if (timer->OnTimer) timer->OnTimer();
            });
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

const wchar_t* TimerClass() {
    static const bool done = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = TimerWindowProc;
        wc.hInstance = CodeModule();
        wc.lpszClassName = kTimerClass;
        return RegisterClassExW(&wc) != 0;
    }();
    (void)done;
    return kTimerClass;
}

}  // namespace

Timer::Timer(Form* owner, std::string name, int interval, bool enabled)
    : Component(std::move(name), owner), interval_(interval), enabled_(enabled) {
    window_ = CreateWindowExW(0, TimerClass(), L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              CodeModule(), nullptr);
    if (!window_) throw std::runtime_error("Error creating timer " + Name());
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    Update();
}

Timer::~Timer() {
    KillTimer(window_, kTimerId);
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

void Timer::Update() {
    KillTimer(window_, kTimerId);
    if (enabled_ && interval_ > 0) SetTimer(window_, kTimerId, static_cast<UINT>(interval_), nullptr);
}

void Timer::SetInterval(int interval) {
    if (interval == interval_) return;
    interval_ = interval;
    Update();
}

void Timer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Update();
}

}  // namespace ui
