#pragma once
// A helper window (a tool tip, say) that a control makes and destroys again.
#include <windows.h>
#include <utility>

namespace Runtime {

class ScopedWindow {
public:
    explicit ScopedWindow(HWND wnd = nullptr) noexcept : wnd_(wnd) {}
    ~ScopedWindow() { Reset(); }
    ScopedWindow(const ScopedWindow&) = delete;
    ScopedWindow& operator=(const ScopedWindow&) = delete;
    HWND Get() const noexcept { return wnd_; }
    void Reset(HWND wnd = nullptr) noexcept
    {
        if (wnd_ && IsWindow(wnd_)) DestroyWindow(wnd_);
        wnd_ = wnd;
    }
    // Forgets a window that was destroyed with its owner.
    void Forget() noexcept { wnd_ = nullptr; }
private:
    HWND wnd_;
};

} // namespace Runtime
