#include "runtime/WhatsThisMode.h"

#include <utility>

#include "runtime/App.h"
#include "runtime/Control.h"
#include "runtime/Form.h"
#include "runtime/HelpPopup.h"

namespace Runtime {

namespace {

constexpr wchar_t kClass[] = L"OrlentaWhatsThis";

// The mode lives in a hidden window of its own that holds the mouse
// capture, so that the next press anywhere comes to it.
struct Mode {
    HWND capture = nullptr;
    HWND form = nullptr;
};

Mode& Current()
{
    static Mode mode;
    return mode;
}

void ShowHelpPointer()
{
    SetCursor(LoadCursorW(nullptr, IDC_HELP));
}

// The deepest visible window of `top` under the screen point.
HWND WindowAt(HWND top, POINT screen)
{
    HWND current = top;
    for (;;) {
        POINT client = screen;
        ScreenToClient(current, &client);
        HWND child = ChildWindowFromPointEx(current, client, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
        if (!child || child == current) return current;
        current = child;
    }
}

// The press that ends the mode: WM_HELP to the window pressed on the form.
void HelpAt(HWND form, POINT screen)
{
    HWND under = WindowFromPoint(screen);
    if (!under || GetAncestor(under, GA_ROOT) != form) return;
    HWND target = WindowAt(form, screen);
    HELPINFO info{};
    info.cbSize = sizeof info;
    info.iContextType = HELPINFO_WINDOW;
    info.iCtrlId = GetDlgCtrlID(target);
    info.hItemHandle = target;
    info.dwContextId = GetWindowContextHelpId(target);
    info.MousePos = screen;
    SendMessageW(target, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
}

LRESULT CALLBACK ModeProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_MOUSEMOVE:
        ShowHelpPointer();
        return 0;
    case WM_LBUTTONDOWN: {
        HWND form = Current().form;
        POINT screen{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ClientToScreen(wnd, &screen);
        EndWhatsThisMode();
        HelpAt(form, screen);
        return 0;
    }
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_CANCELMODE:
        if (Current().capture == wnd) EndWhatsThisMode();
        return 0;
    case WM_CAPTURECHANGED:
        // The mouse went elsewhere (or this window is being destroyed with
        // its form): the mode ends, the window goes once the system is done.
        if (Current().capture == wnd) {
            Current() = Mode{};
            PostMessageW(wnd, WM_CLOSE, 0, 0);
        }
        return 0;
    case WM_DESTROY:
        // Gone with its form.
        if (Current().capture == wnd) Current() = Mode{};
        break;
    default:
        break;
    }
    return DefWindowProcW(wnd, msg, wParam, lParam);
}

bool RegisterModeClass()
{
    static const bool registered = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = ModeProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kClass;
        return RegisterClassExW(&wc) != 0;
    }();
    return registered;
}

} // namespace

void EnterWhatsThisMode(Form& form)
{
    EndWhatsThisMode();
    CloseHelpPopup();
    if (!form.hWnd() || !RegisterModeClass()) return;
    HWND wnd = CreateWindowExW(WS_EX_TOOLWINDOW, kClass, L"", WS_POPUP, 0, 0, 0, 0, form.hWnd(), nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    if (!wnd) return;
    Current() = Mode{wnd, form.hWnd()};
    SetCapture(wnd);
    ShowHelpPointer();
}

bool InWhatsThisMode()
{
    return Current().capture != nullptr;
}

void EndWhatsThisMode()
{
    HWND wnd = std::exchange(Current().capture, nullptr);
    Current().form = nullptr;
    if (!wnd) return;
    if (GetCapture() == wnd) ReleaseCapture();
    DestroyWindow(wnd);
    // The window under the pointer sets its own at the next move.
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
}

bool ShowHelpForWindow(const HELPINFO& info)
{
    if (App::HelpFile().empty() || info.iContextType != HELPINFO_WINDOW) return false;
    for (HWND wnd = static_cast<HWND>(info.hItemHandle); wnd; wnd = GetParent(wnd)) {
        Control* control = Control::FromHwnd(wnd);
        if (!control) continue;
        if (control->WhatsThisHelpID <= 0) return false;
        return ShowWhatsThis(*control);
    }
    return false;
}

} // namespace Runtime
