#include "runtime/ClickableControl.h"

#include <windowsx.h>

namespace Runtime {

bool ClickableControl::HandleClickMessage(UINT msg, WPARAM, LPARAM lParam, LRESULT& result)
{
    HWND wnd = hWnd();
    switch (msg) {
    case WM_LBUTTONDOWN:
        if (FocusOnPress && GetFocus() != wnd) ::SetFocus(wnd);
        pressed_ = true;
        SetCapture(wnd);
        return false; // MouseDown is raised by the common handling
    case WM_LBUTTONDBLCLK:
        pressed_ = false;
        SetCapture(wnd);
        Fire(DblClick);
        result = 0;
        return true;
    case WM_LBUTTONUP: {
        bool click = pressed_;
        pressed_ = false;
        if (GetCapture() == wnd) ReleaseCapture();
        RECT r{};
        GetClientRect(wnd, &r);
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        Fire(MouseUp, MouseArgsFrom(0, lParam, ButtonLeft));
        if (click && PtInRect(&r, p)) Fire(Click);
        result = 0;
        return true;
    }
    case WM_CAPTURECHANGED:
        // Lost to another window (a window may take it again itself).
        if (reinterpret_cast<HWND>(lParam) != wnd) pressed_ = false;
        return false;
    default:
        return false;
    }
}

} // namespace Runtime
