#pragma once
// One subclassing of one window: made when a control hooks a window and let
// go of when the control lets go; while it hooks the window, the window's
// messages go through its WindowProc to the owning control. It is shared so
// that the window procedure can keep it alive while it runs.
#include <windows.h>

#include <memory>

class Latchet;

class cmLatchet : public std::enable_shared_from_this<cmLatchet> {
public:
    // Hooks `window` for `owner`; a hook instance that held the window
    // before loses it.
    cmLatchet(Latchet& owner, HWND window);
    // Lets go of the window.
    ~cmLatchet();
    cmLatchet(const cmLatchet&) = delete;
    cmLatchet& operator=(const cmLatchet&) = delete;

    // Unhooks the window when this object still hooks it, and forgets it.
    void LetGo();
    // Forgets `window` without unhooking it (the window procedure does that).
    void Forget(HWND window) noexcept
    {
        if (window_ == window) window_ = nullptr;
    }

    // Handles one message of the hooked window: calls the previous window
    // procedure before, after or instead of the control's Message event, as
    // the control's CallOrder says. `previousRan` tells whether the previous
    // procedure has seen the message (also when a failure leaves early).
    // Throws on a failure of the event or of its answer.
    LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool& previousRan);

    // The window this object hooked; null once it let go or lost it.
    HWND Window() const noexcept { return window_; }

private:
    Latchet& owner_; // read only while it hooks a window: the owner lets go first
    HWND window_;
};
