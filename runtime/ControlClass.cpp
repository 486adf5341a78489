#include "runtime/ControlClass.h"

namespace Runtime {

void RegisterControlClass(const wchar_t* className, UINT style)
{
    HINSTANCE program = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExW(program, className, &wc)) return;
    wc.style = style;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = program;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = className;
    RegisterClassExW(&wc);
}

} // namespace Runtime
