#pragma once
// A timer for an object that has no window: a thread timer of the system
// that calls `Tick` every `interval` milliseconds while it is enabled, on the
// thread that started it (its message loop delivers the ticks).
#include <windows.h>

#include <functional>

namespace Runtime {

class ThreadTimer {
public:
    ThreadTimer(UINT interval, std::function<void()> tick) : interval_(interval), tick_(std::move(tick)) {}
    ~ThreadTimer() { SetEnabled(false); }
    ThreadTimer(const ThreadTimer&) = delete;
    ThreadTimer& operator=(const ThreadTimer&) = delete;

    bool Enabled() const noexcept { return enabled_; }
    void SetEnabled(bool enabled);

private:
    static void CALLBACK TimerProc(HWND, UINT, UINT_PTR id, DWORD);

    UINT interval_;
    std::function<void()> tick_;
    bool enabled_ = false;
    UINT_PTR id_ = 0;
};

} // namespace Runtime
