#include "runtime/MessageBox.h"

#include <windows.h>

#include "runtime/App.h"
#include "runtime/Form.h"

namespace Runtime {

namespace {

MsgBoxAnswer& Answer()
{
    static MsgBoxAnswer answer;
    return answer;
}

BOOL CALLBACK FindShownForm(HWND wnd, LPARAM found)
{
    Form* form = Form::FromWindow(wnd);
    if (!form || form->hWnd() != wnd || !IsWindowVisible(wnd) || !IsWindowEnabled(wnd)) return TRUE;
    *reinterpret_cast<HWND*>(found) = wnd;
    return FALSE;
}

// The active form; while another program is active, the topmost shown
// form of this thread (the one that was active last, or its modal child).
HWND OwnerForm()
{
    if (Form* active = Form::FromWindow(GetActiveWindow())) return active->hWnd();
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindShownForm, reinterpret_cast<LPARAM>(&found));
    return found;
}

} // namespace

int MsgBox(const std::wstring& prompt, int buttons, const std::wstring& title)
{
    std::wstring caption = title.empty() ? App::Title() : title;
    if (Answer()) return Answer()(prompt, buttons, caption);
    return MessageBoxW(OwnerForm(), prompt.c_str(), caption.c_str(), static_cast<UINT>(buttons));
}

MsgBoxAnswer SetMsgBoxAnswer(MsgBoxAnswer answer)
{
    MsgBoxAnswer old = std::move(Answer());
    Answer() = std::move(answer);
    return old;
}

} // namespace Runtime
