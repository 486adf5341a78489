#pragma once
// Holds off the redrawing of a shown window while it lives, for a batch of
// changes that would otherwise each repaint it (filling a list view under
// Wine costs milliseconds an item). A hidden window draws nothing anyway and
// is left alone: turning redrawing back on would show it.
#include <windows.h>

namespace Runtime {

class NoRedraw {
public:
    explicit NoRedraw(HWND wnd) : wnd_(wnd && (GetWindowLongW(wnd, GWL_STYLE) & WS_VISIBLE) ? wnd : nullptr)
    {
        if (wnd_) SendMessageW(wnd_, WM_SETREDRAW, FALSE, 0);
    }
    ~NoRedraw()
    {
        if (!wnd_) return;
        SendMessageW(wnd_, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(wnd_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
    NoRedraw(const NoRedraw&) = delete;
    NoRedraw& operator=(const NoRedraw&) = delete;

private:
    HWND wnd_;
};

} // namespace Runtime
