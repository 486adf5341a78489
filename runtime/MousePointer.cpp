#include "runtime/MousePointer.h"

namespace Runtime {

HCURSOR PointerCursor(int pointer, HCURSOR custom)
{
    const wchar_t* system = nullptr;
    switch (pointer) {
    case 1: system = IDC_ARROW; break;
    case 2: system = IDC_CROSS; break;
    case 3: system = IDC_IBEAM; break;
    case 5: system = IDC_SIZEALL; break;
    case 6: system = IDC_SIZENESW; break;
    case 7: system = IDC_SIZENS; break;
    case 8: system = IDC_SIZENWSE; break;
    case 9: system = IDC_SIZEWE; break;
    case 10: system = IDC_UPARROW; break;
    case PointerHourglass: system = IDC_WAIT; break;
    case 12: system = IDC_NO; break;
    case 13: system = IDC_APPSTARTING; break;
    case 14: system = IDC_HELP; break;
    case 15: system = IDC_SIZEALL; break;
    case PointerCustom: return custom;
    default: return nullptr;
    }
    return LoadCursorW(nullptr, system);
}

bool AnswerSetCursor(int pointer, HCURSOR custom, LPARAM lParam)
{
    if (pointer == PointerDefault || LOWORD(lParam) != HTCLIENT) return false;
    HCURSOR cursor = PointerCursor(pointer, custom);
    if (!cursor) return false;
    SetCursor(cursor);
    return true;
}

void RefreshPointer(HWND wnd)
{
    POINT at{};
    if (!wnd || !IsWindowVisible(wnd) || !GetCursorPos(&at)) return;
    HWND under = WindowFromPoint(at);
    if (!under || (under != wnd && !IsChild(wnd, under))) return;
    // Only a window of this thread is asked: a message sent to another
    // thread's window would wait for that thread.
    if (GetWindowThreadProcessId(under, nullptr) != GetCurrentThreadId()) return;
    LRESULT hit = SendMessageW(under, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y));
    SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under), MAKELPARAM(LOWORD(hit), WM_MOUSEMOVE));
}

} // namespace Runtime
