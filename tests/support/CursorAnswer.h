#pragma once
// The cursor a window sets when the mouse is over its client area: what
// the window answers to WM_SETCURSOR, read back with GetCursor. The
// message is sent, so nothing else of the thread runs in between.
#include <windows.h>

namespace TestSupport {

inline HCURSOR CursorAnswer(HWND wnd)
{
    SetCursor(nullptr);
    SendMessageW(wnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(wnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor();
}

} // namespace TestSupport
