#include "runtime/MessageWindow.h"

namespace Runtime {

HWND RuntimeMessageWindow()
{
    static HWND window = [] {
        const wchar_t className[] = L"OrlentaMessageWindow";
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = className;
        RegisterClassExW(&wc);
        return CreateWindowExW(0, className, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    }();
    return window;
}

} // namespace Runtime
