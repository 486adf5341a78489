#include "runtime/Form.h"

#include <commctrl.h>

#include <algorithm>

#include "runtime/ComServer.h"
#include "runtime/MousePointer.h"
#include "runtime/Pump.h"
#include "runtime/WhatsThisMode.h"

namespace Runtime {

namespace {

const wchar_t kFormClass[] = L"OrlentaForm";
int g_openForms = 0;

// The class is this module's own: FromWindow tells its forms by it.
void RegisterFormClass()
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExW(ComServer::Module(), kFormClass, &wc)) return;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = DefWindowProcW; // replaced per window at creation
    wc.hInstance = ComServer::Module();
    wc.hIcon = LoadIconW(wc.hInstance, MAKEINTRESOURCEW(1));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = nullptr;
    wc.lpszClassName = kFormClass;
    RegisterClassExW(&wc);
}

} // namespace

Form::Form(std::wstring name) : Control(nullptr, nullptr, std::move(name), -1)
{
}

Form::~Form()
{
    if (wnd_) {
        HWND wnd = wnd_;
        SetWindowLongPtrW(wnd, GWLP_USERDATA, 0);
        wnd_ = nullptr;
        hwnd_ = nullptr;
        DestroyWindow(wnd);
        --g_openForms;
    }
}

bool Form::Load()
{
    if (wnd_) return true;
    RegisterFormClass();
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    if (!FixedSize) style |= WS_THICKFRAME | WS_MAXIMIZEBOX;
    wnd_ = CreateWindowExW(WS_EX_CONTROLPARENT, kFormClass, L"", style, CW_USEDEFAULT, CW_USEDEFAULT,
                           Width() > 0 ? Width() : 400, Height() > 0 ? Height() : 300, nullptr, nullptr,
                           ComServer::Module(), nullptr);
    if (!wnd_) return false;
    hwnd_ = wnd_;
    ++g_openForms;
    SetWindowLongPtrW(wnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(wnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc));
    fontHandle_ = CreateScreenFont(defaultFont_);
    RECT r{};
    GetWindowRect(wnd_, &r);
    left_ = r.left, top_ = r.top, width_ = r.right - r.left, height_ = r.bottom - r.top;

    // A form whose controls could not all be made (the system refused a
    // window) does not load: its load event would act on controls that are
    // not there. The error has been reported; the window goes without the
    // unload events of a form that never loaded.
    bool made = false;
    Guard([&] {
        CreateControls();
        made = true;
    });
    if (!made) {
        if (wnd_) DestroyWindow(wnd_);
        return false;
    }
    Guard([this] { Form_Load(); });
    return wnd_ != nullptr;
}

void Form::Show()
{
    if (!wnd_ && !Load()) return;
    visible_ = true;
    int command = IsIconic(wnd_) || IsZoomed(wnd_) ? SW_SHOW : SW_SHOWNORMAL;
    if (pendingState_ == StateMinimized) command = SW_SHOWMINIMIZED;
    if (pendingState_ == StateMaximized) command = SW_SHOWMAXIMIZED;
    pendingState_ = -1;
    ShowWindow(wnd_, command);
    UpdateWindow(wnd_);
}

void Form::ShowModal(Form* owner)
{
    if (!wnd_ && !Load()) return;
    HWND ownerWnd = owner ? owner->hWnd() : nullptr;
    if (ownerWnd) {
        SetWindowLongPtrW(wnd_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(ownerWnd));
        EnableWindow(ownerWnd, FALSE);
    }
    modal_ = true;
    Show();
    while (wnd_ && modal_) {
        MSG msg;
        int got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        PumpMessage(msg);
    }
    modal_ = false;
    if (ownerWnd) {
        EnableWindow(ownerWnd, TRUE);
        SetActiveWindow(ownerWnd);
    }
}

void Form::Hide()
{
    visible_ = false;
    if (wnd_) ShowWindow(wnd_, SW_HIDE);
    modal_ = false;
}

bool Form::Unload()
{
    return UnloadWithMode(UnloadCode);
}

bool Form::UnloadWithMode(int mode)
{
    if (!wnd_ || unloading_) return !wnd_;
    // After a session's end the events have run: the window only goes.
    if (!unloadRaised_) {
        int cancel = 0;
        Guard([&] { Form_QueryUnload(cancel, mode); });
        if (cancel) return false;
        Guard([&] { Form_Unload(cancel); });
        if (cancel) return false;
    }
    unloading_ = true;
    // The controls' windows go with the form's window; the control objects
    // stay with the form object and forget their windows.
    HWND wnd = wnd_;
    modal_ = false;
    DestroyWindow(wnd);
    unloading_ = false;
    return true;
}

LRESULT Form::QueryEndSession()
{
    int cancel = 0;
    if (!unloadRaised_) Guard([&] { Form_QueryUnload(cancel, UnloadAppWindows); });
    return cancel ? FALSE : TRUE;
}

void Form::EndSession(bool ending)
{
    if (!ending || unloadRaised_ || unloading_) return;
    // The unload event runs now, whatever it answers: there is no later
    // message in which it could.
    unloadRaised_ = true;
    int cancel = 0;
    Guard([&] { Form_Unload(cancel); });
}

std::wstring Form::Caption() const
{
    return WindowText(wnd_);
}

void Form::SetCaption(const std::wstring& caption)
{
    if (wnd_) SetWindowTextW(wnd_, caption.c_str());
}

int Form::WindowState() const
{
    if (!wnd_) return StateNormal;
    if (pendingState_ >= 0 && !IsWindowVisible(wnd_)) return pendingState_;
    if (IsIconic(wnd_)) return StateMinimized;
    if (IsZoomed(wnd_)) return StateMaximized;
    return StateNormal;
}

void Form::SetWindowState(int state)
{
    if (state < StateNormal || state > StateMaximized) Raise(ErrInvalidProperty);
    if (!wnd_) return;
    if (!IsWindowVisible(wnd_)) {
        // A hidden form takes its state when it is shown.
        pendingState_ = state;
        return;
    }
    if (state == WindowState()) return;
    ShowWindow(wnd_, state == StateMinimized ? SW_MINIMIZE : state == StateMaximized ? SW_MAXIMIZE : SW_RESTORE);
}

void Form::Move(int left, int top, int width, int height)
{
    if (width < 0 || height < 0) Raise(ErrInvalidCall);
    left_ = left, top_ = top, width_ = width, height_ = height;
    if (wnd_) SetWindowPos(wnd_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

int Form::ScaleWidth() const
{
    RECT r{};
    if (wnd_) GetClientRect(wnd_, &r);
    return r.right;
}

int Form::ScaleHeight() const
{
    RECT r{};
    if (wnd_) GetClientRect(wnd_, &r);
    return r.bottom;
}

int Form::TextWidth(const std::wstring& text) const
{
    ScopedGetDC dc(wnd_);
    ScopedSelect font(dc.Get(), FontHandle());
    SIZE size{};
    GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

int Form::TextHeight(const std::wstring& text) const
{
    ScopedGetDC dc(wnd_);
    ScopedSelect font(dc.Get(), FontHandle());
    if (text.empty()) {
        TEXTMETRICW tm{};
        GetTextMetricsW(dc.Get(), &tm);
        return tm.tmHeight;
    }
    RECT r{0, 0, 0, 0};
    DrawTextW(dc.Get(), text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_NOPREFIX);
    return r.bottom;
}

void Form::SetToolTip(HWND control, const std::wstring& text)
{
    if (!wnd_) return;
    if (!toolTips_) {
        toolTips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, wnd_, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
        if (!toolTips_) return;
    }
    TTTOOLINFOW ti{};
    ti.cbSize = sizeof ti;
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = wnd_;
    ti.uId = reinterpret_cast<UINT_PTR>(control);
    SendMessageW(toolTips_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    if (text.empty()) return;
    ti.lpszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(toolTips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

void Form::RemoveToolTip(HWND control)
{
    if (!toolTips_ || !wnd_) return;
    TTTOOLINFOW ti{};
    ti.cbSize = sizeof ti;
    ti.hwnd = wnd_;
    ti.uId = reinterpret_cast<UINT_PTR>(control);
    SendMessageW(toolTips_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

Form* Form::FromWindow(HWND wnd)
{
    HWND root = wnd ? GetAncestor(wnd, GA_ROOT) : nullptr;
    if (!root) return nullptr;
    wchar_t cls[32] = {};
    GetClassNameW(root, cls, 32);
    if (lstrcmpW(cls, kFormClass) != 0) return nullptr;
    if (reinterpret_cast<HMODULE>(GetClassLongPtrW(root, GCLP_HMODULE)) != ComServer::Module()) return nullptr;
    return reinterpret_cast<Form*>(GetWindowLongPtrW(root, GWLP_USERDATA));
}

void Form::Register(Control* control)
{
    controls_.push_back(control);
}

void Form::Unregister(Control* control)
{
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
}

void Form::PreviewKey(const MSG& msg)
{
    if (!KeyPreview) return;
    switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        int key = static_cast<int>(msg.wParam);
        Guard([&] { Form_KeyDown(key, CurrentShiftState()); });
        break;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
        int key = static_cast<int>(msg.wParam);
        Guard([&] { Form_KeyUp(key, CurrentShiftState()); });
        break;
    }
    case WM_CHAR: {
        int ascii = static_cast<int>(msg.wParam);
        Guard([&] { Form_KeyPress(ascii); });
        break;
    }
    default:
        break;
    }
}

LRESULT CALLBACK Form::WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<Form*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(wnd, msg, wParam, lParam);
    try {
        // A key that another module's message loop on this thread shows
        // this form first. Any program may send or post the message: it
        // carries the key by value, and a send from another thread is
        // refused.
        if (msg == FormKeyMessage() && lParam >= WM_KEYFIRST && lParam <= WM_KEYLAST &&
            InSendMessageEx(nullptr) == ISMEX_NOSEND) {
            MSG key{GetFocus(), static_cast<UINT>(lParam), wParam, 0, 0, {}};
            return PreTranslateFormKey(*self, key) ? kFormKeyUsed : kFormKeySeen;
        }
        return self->HandleMessage(msg, wParam, lParam);
    } catch (...) {
        return DefWindowProcW(wnd, msg, wParam, lParam);
    }
}

LRESULT Form::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (ReflectToChild(msg, wParam, lParam, result)) return result;
    if (Form_Message(msg, wParam, lParam, result)) return result;
    switch (msg) {
    case WM_ERASEBKGND: {
        RECT r;
        GetClientRect(wnd_, &r);
        FillRect(reinterpret_cast<HDC>(wParam), &r, BackBrush());
        return 1;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) {
            Guard([this] { Form_Activate(); });
            // A control the activate event gave the focus keeps it: the
            // default handling would move it to the form's own window.
            HWND focus = GetFocus();
            if (focus && IsChild(wnd_, focus)) return 0;
        }
        break;
    case WM_SIZE:
        Guard([this] { Form_Resize(); });
        break;
    case WM_MOVE:
    case WM_WINDOWPOSCHANGED: {
        RECT r{};
        GetWindowRect(wnd_, &r);
        if (!IsIconic(wnd_) && !IsZoomed(wnd_)) {
            left_ = r.left, top_ = r.top, width_ = r.right - r.left, height_ = r.bottom - r.top;
        }
        break;
    }
    case WM_SETCURSOR:
        // Over the form and over its controls that keep the default pointer
        // (they ask the form first).
        if (AnswerSetCursor(MousePointer(), MouseIcon(), lParam)) return TRUE;
        break;
    case WM_HELP:
        // What's This help for the control that asked, by the runtime itself.
        if (lParam && ShowHelpForWindow(*reinterpret_cast<const HELPINFO*>(lParam))) return TRUE;
        break;
    case WM_CLOSE:
        UnloadWithMode(UnloadUser);
        return 0;
    case WM_QUERYENDSESSION:
        return QueryEndSession();
    case WM_ENDSESSION:
        EndSession(wParam != FALSE);
        return 0;
    case WM_NCDESTROY: {
        HWND wnd = wnd_;
        SetWindowLongPtrW(wnd, GWLP_USERDATA, 0);
        wnd_ = nullptr;
        hwnd_ = nullptr;
        toolTips_ = nullptr;
        modal_ = false;
        if (--g_openForms == 0) PostQuitMessage(0);
        return DefWindowProcW(wnd, msg, wParam, lParam);
    }
    default:
        break;
    }
    return DefWindowProcW(wnd_, msg, wParam, lParam);
}

} // namespace Runtime
