#pragma once
// The window of an in-place active control: a child of the host's window
// that paints the control's face through a callback.
#include <windows.h>

#include <functional>

namespace Runtime {

class ControlWindow {
public:
    using PaintFn = std::function<void(HDC, const RECT&)>;

    // A child of `parent` at `x`, `y` of the given size, shown.
    ControlWindow(HWND parent, int x, int y, SIZE size, PaintFn paint);
    ~ControlWindow();
    ControlWindow(const ControlWindow&) = delete;
    ControlWindow& operator=(const ControlWindow&) = delete;

    HWND Get() const noexcept { return wnd_; }
    void MoveTo(int x, int y);

private:
    static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);

    HWND wnd_ = nullptr;
    PaintFn paint_;
};

} // namespace Runtime
