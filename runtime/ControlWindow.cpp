#include "runtime/ControlWindow.h"

#include "runtime/ComServer.h"
#include "runtime/WindowClass.h"

namespace Runtime {

namespace {

const wchar_t kClassName[] = L"OrlentaControlWindow";

} // namespace

ControlWindow::ControlWindow(HWND parent, int x, int y, SIZE size, PaintFn paint) : paint_(std::move(paint))
{
    RegisterWindowClassOnce(kClassName);
    wnd_ = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, x, y, size.cx, size.cy, parent,
                           nullptr, ComServer::Module(), nullptr);
    if (!wnd_) return;
    SetWindowLongPtrW(wnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(wnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Proc));
    InvalidateRect(wnd_, nullptr, TRUE);
}

ControlWindow::~ControlWindow()
{
    if (wnd_) DestroyWindow(wnd_);
}

void ControlWindow::MoveTo(int x, int y)
{
    SetWindowPos(wnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK ControlWindow::Proc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp)
{
    auto* self = reinterpret_cast<ControlWindow*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
    if (msg == WM_PAINT && self) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(wnd, &ps);
        RECT client;
        GetClientRect(wnd, &client);
        // No exception leaves a window procedure: a face that cannot be
        // drawn stays as it was.
        try {
            self->paint_(dc, client);
        } catch (...) {
        }
        EndPaint(wnd, &ps);
        return 0;
    }
    if (msg == WM_ERASEBKGND) return 1;
    return DefWindowProcW(wnd, msg, wp, lp);
}

} // namespace Runtime
