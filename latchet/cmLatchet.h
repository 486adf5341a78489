#pragma once
// One subclassing of one window: made when a control hooks a window and
// released when it lets go; while it lives, the window's messages go
// through its WindowProc to the owning control.
#include <windows.h>

class Latchet;

class cmLatchet {
public:
    // Hooks `window` for `owner` (which outlives this object).
    cmLatchet(Latchet& owner, HWND window);
    // Unhooks the window when it is still hooked by this object.
    ~cmLatchet();
    cmLatchet(const cmLatchet&) = delete;
    cmLatchet& operator=(const cmLatchet&) = delete;

    // Handles one message of the hooked window: calls the previous window
    // procedure before, after or instead of the control's Message event, as
    // the control's CallOrder says. `previousRan` tells whether the previous
    // procedure has seen the message (also when a failure leaves early).
    // Throws on a failure of the event or of its answer.
    LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool& previousRan);

    HWND Window() const noexcept { return window_; }

private:
    Latchet& owner_;
    HWND window_;
};
