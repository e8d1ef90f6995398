#pragma once

#include <windows.h>

#include <functional>

#include "ui/component.h"

namespace ui {

// A repeating timer. A one-shot timer is one whose handler switches it off first thing.
// Switching an enabled timer on again does not restart it; off and on does. Each timer
// owns a message-only window that receives its WM_TIMER, so nothing is looked up by id and
// a destroyed timer can get no late tick.
class Timer : public Component {
public:
    Timer(Form* owner, std::string name, int interval, bool enabled);
    ~Timer() override;

    int Interval() const { return interval_; }
    // Restarts a running timer with the new interval.
    void SetInterval(int interval);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    std::function<void()> OnTimer;

private:
    void Update();

    HWND window_ = nullptr;
    int interval_;
    bool enabled_;
};

}  // namespace ui
