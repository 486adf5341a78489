#include "common/Geometry.h"

#include "runtime/Form.h"

namespace Common {

void SetSize(Runtime::Control& object, int width, int height)
{
    if (auto* form = dynamic_cast<Runtime::Form*>(&object); form && form->WindowState() == Runtime::StateMinimized)
        return;
    if (object.Width() != width) object.Move(object.Left(), object.Top(), width, object.Height());
    if (object.Height() != height) object.Move(object.Left(), object.Top(), object.Width(), height);
}

int ContainerClient(const Runtime::Control& container, int side)
{
    HWND wnd = container.ClientWindow();
    if (!wnd) return 0;
    RECT outer{}, inner{};
    GetWindowRect(container.hWnd() ? container.hWnd() : wnd, &outer);
    GetClientRect(wnd, &inner);
    MapWindowPoints(wnd, nullptr, reinterpret_cast<POINT*>(&inner), 2);
    switch (side) {
    case SideTop: return (inner.top - outer.top) * Runtime::TwipsPerPixelY();
    case SideBottom: return (outer.bottom - inner.bottom) * Runtime::TwipsPerPixelY();
    case SideRight: return (outer.right - inner.right) * Runtime::TwipsPerPixelX();
    default: return (inner.left - outer.left) * Runtime::TwipsPerPixelX();
    }
}

int ControlLeft(const Runtime::Control& control)
{
    RECT r{};
    if (control.hWnd()) GetWindowRect(control.hWnd(), &r);
    return r.left * Runtime::TwipsPerPixelX();
}

int ControlTop(const Runtime::Control& control)
{
    RECT r{};
    if (control.hWnd()) GetWindowRect(control.hWnd(), &r);
    return r.top * Runtime::TwipsPerPixelY();
}

} // namespace Common
