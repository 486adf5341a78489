#include "runtime/Pump.h"

#include "runtime/AccessKeys.h"
#include "runtime/Form.h"
#include "runtime/HelpPopup.h"
#include "runtime/WhatsThisMode.h"

namespace Runtime {

UINT FormKeyMessage()
{
    static const UINT message = RegisterWindowMessageW(L"OrlentaFormKey");
    return message;
}

bool PreTranslateFormKey(Form& form, MSG& msg)
{
    if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) {
        form.PreviewKey(msg);
        // Tab and Shift+Tab move the focus among the form's tab stops.
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && !(GetKeyState(VK_CONTROL) < 0) && form.hWnd()) {
            bool back = GetKeyState(VK_SHIFT) < 0;
            if (HWND next = GetNextDlgTabItem(form.hWnd(), GetFocus(), back)) {
                SetFocus(next);
                return true;
            }
        }
    }
    // Alt and a letter: the control whose caption underlines it.
    return msg.message == WM_SYSCHAR && HandleAccessKey(form, static_cast<wchar_t>(msg.wParam));
}

namespace {

bool DialogLike(HWND root)
{
    wchar_t cls[8] = {};
    GetClassNameW(root, cls, 8);
    return (GetWindowLongPtrW(root, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) || lstrcmpW(cls, L"#32770") == 0;
}

// A key for a window of this thread: its form handles it first, whichever
// module made the form; the keys of other windows that hold controls get
// dialog navigation. True when the key was used up (or dispatched) here.
bool PreTranslateKey(MSG& msg)
{
    if (Form* form = Form::FromWindow(msg.hwnd)) return PreTranslateFormKey(*form, msg);
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (!root) return false;
    LRESULT answer = SendMessageW(root, FormKeyMessage(), msg.wParam, static_cast<LPARAM>(msg.message));
    if (answer) return answer == kFormKeyUsed;
    return DialogLike(root) && IsDialogMessageW(root, &msg);
}

} // namespace

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
        if (PreTranslateKey(msg)) return true;
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
