#include "runtime/Pump.h"

#include "runtime/AccessKeys.h"
#include "runtime/Form.h"
#include "runtime/HelpPopup.h"
#include "runtime/WhatsThisMode.h"

namespace Runtime {

bool PumpMessage(MSG& msg)
{
    bool key = msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST;
    if (key) {
        // A key closes a help popup, or ends What's This mode, and then
        // does what it does.
        if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
            CloseHelpPopup();
            EndWhatsThisMode();
        }
        if (Form* form = Form::FromWindow(msg.hwnd)) {
            form->PreviewKey(msg);
            // Tab and Shift+Tab move the focus among the form's tab stops.
            if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && !(GetKeyState(VK_CONTROL) < 0) &&
                form->hWnd()) {
                bool back = GetKeyState(VK_SHIFT) < 0;
                if (HWND next = GetNextDlgTabItem(form->hWnd(), GetFocus(), back)) {
                    SetFocus(next);
                    return true;
                }
            }
        }
    }
    // Alt and a letter: the control whose caption underlines it.
    if (msg.message == WM_SYSCHAR) {
        if (Form* form = Form::FromWindow(msg.hwnd))
            if (HandleAccessKey(*form, static_cast<wchar_t>(msg.wParam))) return true;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    return true;
}

bool DoEvents()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        PumpMessage(msg);
    }
    return true;
}

int RunMessageLoop()
{
    MSG msg;
    int got;
    while ((got = GetMessageW(&msg, nullptr, 0, 0)) > 0) PumpMessage(msg);
    return got == 0 ? static_cast<int>(msg.wParam) : 1;
}

} // namespace Runtime
