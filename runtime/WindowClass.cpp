#include "runtime/WindowClass.h"

#include "runtime/ComServer.h"

namespace Runtime {

void RegisterWindowClassOnce(const wchar_t* name, HBRUSH background)
{
    WNDCLASSW wc{};
    HINSTANCE module = ComServer::Module();
    if (GetClassInfoW(module, name, &wc)) return;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = module;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    RegisterClassW(&wc);
}

} // namespace Runtime
