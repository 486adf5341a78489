#include "runtime/Control.h"

#include <commctrl.h>
#include <windowsx.h>

#include <unordered_map>

#include "runtime/ErrorReport.h"
#include "runtime/Form.h"
#include "runtime/MousePointer.h"

namespace Runtime {

namespace {

// The controls' windows and the procedures they had before the control
// took them over. Kept in the process: a window property would cost a
// round trip to Wine's server for every message of every control. One
// user-interface thread: no lock.
struct HookedWindow {
    Control* control;  // null once the control let go of a window it could not unhook
    WNDPROC original;
};

std::unordered_map<HWND, HookedWindow>& HookedWindows()
{
    static std::unordered_map<HWND, HookedWindow> windows;
    return windows;
}

// Gives the window back its own procedure when no other procedure was put
// over the control's since; otherwise the control's stays and passes every
// message on.
void Unhook(HWND wnd, WNDPROC ours)
{
    auto found = HookedWindows().find(wnd);
    if (found == HookedWindows().end()) return;
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(wnd, GWLP_WNDPROC)) == ours) {
        SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(found->second.original));
        HookedWindows().erase(found);
    } else {
        found->second.control = nullptr;
    }
}

// Child-window ids of the controls, so that messages that name a control by
// its id (WM_MEASUREITEM, sent while the window is still being created)
// reach it. One user-interface thread: no lock.
std::unordered_map<UINT, Control*>& ControlIds()
{
    static std::unordered_map<UINT, Control*> ids;
    return ids;
}

UINT NextControlId()
{
    static UINT next = 1000;
    if (++next >= 0xFFF0) next = 1001;
    while (ControlIds().count(next)) ++next;
    return next;
}

// Whether a child window already has this place and size in its parent's
// client area: moving it there again would only cost messages (an
// arrangement puts most controls where they already are).
bool AlreadyAt(HWND wnd, int left, int top, int width, int height)
{
    RECT r{};
    if (!GetWindowRect(wnd, &r)) return false;
    MapWindowPoints(nullptr, GetParent(wnd), reinterpret_cast<POINT*>(&r), 2);
    return r.left == left && r.top == top && r.right - r.left == width && r.bottom - r.top == height;
}

} // namespace

MouseArgs MouseArgsFrom(WPARAM wParam, LPARAM lParam, int button)
{
    MouseArgs a;
    a.Button = button;
    a.Shift = CurrentShiftState();
    a.X = GET_X_LPARAM(lParam);
    a.Y = GET_Y_LPARAM(lParam);
    if (button == 0) {
        if (wParam & MK_LBUTTON) a.Button |= ButtonLeft;
        if (wParam & MK_RBUTTON) a.Button |= ButtonRight;
        if (wParam & MK_MBUTTON) a.Button |= ButtonMiddle;
    }
    return a;
}

std::wstring WindowText(HWND wnd)
{
    if (!wnd) return {};
    int n = GetWindowTextLengthW(wnd);
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    n = GetWindowTextW(wnd, text.data(), n + 1);
    text.resize(static_cast<size_t>(n));
    return text;
}

int CurrentShiftState()
{
    int shift = 0;
    if (GetKeyState(VK_SHIFT) < 0) shift |= ShiftMask;
    if (GetKeyState(VK_CONTROL) < 0) shift |= CtrlMask;
    if (GetKeyState(VK_MENU) < 0) shift |= AltMask;
    return shift;
}

Control::Control(Form* form, Control* container, std::wstring name, int index)
    : form_(form), container_(container), name_(std::move(name)), index_(index)
{
    if (form_) {
        font_ = form_->DefaultFont();
        form_->Register(this);
    }
}

Control::~Control()
{
    DestroyControlWindow();
    if (id_) ControlIds().erase(id_);
    if (form_) form_->Unregister(this);
}

void Control::Guard(const std::function<void()>& body)
{
    try {
        body();
    } catch (const Error& e) {
        ReportRunTimeError(e.Number(), e.what());
    } catch (const std::exception& e) {
        ReportRunTimeError(0, e.what());
    }
}

Control* Control::FromHwnd(HWND wnd)
{
    auto found = HookedWindows().find(wnd);
    return found == HookedWindows().end() ? nullptr : found->second.control;
}

void Control::CreateControlWindow(const wchar_t* className, DWORD style, DWORD exStyle, const std::wstring& text,
                                  int left, int top, int width, int height)
{
    HWND parent = container_ ? container_->ClientWindow() : (form_ ? form_->hWnd() : nullptr);
    left_ = left, top_ = top, width_ = width, height_ = height;
    if (visible_) style |= WS_VISIBLE;
    if (!enabled_) style |= WS_DISABLED;
    if (id_ == 0) {
        id_ = NextControlId();
        ControlIds()[id_] = this;
    }
    HWND wnd = CreateWindowExW(exStyle, className, text.c_str(), style | WS_CHILD | WS_CLIPSIBLINGS, left, top,
                               width, height, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id_)),
                               GetModuleHandleW(nullptr), nullptr);
    if (!wnd) throw Error(ErrInvalidCall, "Cannot create the window of control " +
                                              std::string(name_.begin(), name_.end()));
    AttachWindow(wnd);
}

void Control::AttachWindow(HWND wnd)
{
    hwnd_ = wnd;
    auto original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Control::WindowProc)));
    HookedWindows()[wnd] = HookedWindow{this, original};
    fontHandle_ = CreateScreenFont(font_);
    SendMessageW(wnd, WM_SETFONT, reinterpret_cast<WPARAM>(fontHandle_.Get()), FALSE);
}

void Control::DestroyControlWindow()
{
    if (!hwnd_) return;
    HWND wnd = hwnd_;
    if (form_) form_->RemoveToolTip(wnd);
    Unhook(wnd, &Control::WindowProc);
    hwnd_ = nullptr;
    DestroyWindow(wnd);
}

void Control::SetEnabled(bool enabled)
{
    // An unchanged state costs Wine a round trip to its server and a repaint.
    if (hwnd_ && enabled == enabled_ && (IsWindowEnabled(hwnd_) != FALSE) == enabled) return;
    enabled_ = enabled;
    if (hwnd_) EnableWindow(hwnd_, enabled);
}

void Control::SetVisible(bool visible)
{
    visible_ = visible;
    if (hwnd_) ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
}

void Control::Move(int left, int top, int width, int height)
{
    if (width < 0 || height < 0) Raise(ErrInvalidCall);
    left_ = left, top_ = top, width_ = width, height_ = height;
    if (hwnd_ && !AlreadyAt(hwnd_, left, top, width, height))
        MoveWindow(hwnd_, left, top, width, height, FormShown());
}

void Control::SetFont(const FontSpec& font)
{
    font_ = font;
    if (!hwnd_) return;
    ScopedFont made = CreateScreenFont(font_);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(made.Get()), TRUE);
    fontHandle_ = std::move(made); // the old font is deleted only once the window no longer uses it
}

void Control::SetForeColor(OleColor color)
{
    foreColor_ = color;
    Invalidate();
}

void Control::SetBackColor(OleColor color)
{
    backColor_ = color;
    Invalidate();
}

bool Control::FormShown() const
{
    // The style bit, not IsWindowVisible: that walks the parents.
    HWND top = form_ ? form_->hWnd() : nullptr;
    return !top || (GetWindowLongW(top, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Control::Invalidate(bool erase)
{
    if (hwnd_ && FormShown()) InvalidateRect(hwnd_, nullptr, erase);
}

HBRUSH Control::BackBrush()
{
    uint32_t rgb = ResolveColor(backColor_);
    if (!backBrush_ || rgb != backBrushColor_) {
        backBrush_.Reset(CreateSolidBrush(rgb));
        backBrushColor_ = rgb;
    }
    return backBrush_.Get();
}

void Control::SetToolTipText(const std::wstring& text)
{
    toolTip_ = text;
    if (form_ && hwnd_) form_->SetToolTip(hwnd_, toolTip_);
}

void Control::SetMousePointer(int pointer)
{
    if (pointer == mousePointer_) return;
    mousePointer_ = pointer;
    RefreshPointer(hwnd_);
}

void Control::SetMouseIcon(HCURSOR cursor)
{
    if (cursor == mouseIcon_) return;
    mouseIcon_ = cursor;
    if (mousePointer_ == PointerCustom) RefreshPointer(hwnd_);
}

void Control::SetFocus()
{
    // A control of a window not shown yet takes no focus: the focus would
    // activate the hidden window, and its first activation would pass
    // before it is shown.
    if (hwnd_ && IsWindowVisible(hwnd_)) ::SetFocus(hwnd_);
}

bool Control::HasFocus() const
{
    HWND focus = GetFocus();
    return hwnd_ && (focus == hwnd_ || IsChild(hwnd_, focus));
}

bool Control::OnMessage(UINT, WPARAM, LPARAM, LRESULT&)
{
    return false;
}

bool Control::OnReflect(UINT, WPARAM, LPARAM, LRESULT&)
{
    return false;
}

bool Control::HandleCommonMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (msg) {
    case WM_LBUTTONDOWN: Fire(MouseDown, MouseArgsFrom(wParam, lParam, ButtonLeft)); break;
    case WM_RBUTTONDOWN: Fire(MouseDown, MouseArgsFrom(wParam, lParam, ButtonRight)); break;
    case WM_MBUTTONDOWN: Fire(MouseDown, MouseArgsFrom(wParam, lParam, ButtonMiddle)); break;
    case WM_LBUTTONUP: Fire(MouseUp, MouseArgsFrom(wParam, lParam, ButtonLeft)); break;
    case WM_RBUTTONUP: Fire(MouseUp, MouseArgsFrom(wParam, lParam, ButtonRight)); break;
    case WM_MBUTTONUP: Fire(MouseUp, MouseArgsFrom(wParam, lParam, ButtonMiddle)); break;
    case WM_MOUSEMOVE: Fire(MouseMove, MouseArgsFrom(wParam, lParam, 0)); break;
    case WM_SETFOCUS: Fire(GotFocus); break;
    case WM_KILLFOCUS: Fire(LostFocus); break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (KeyDown) {
            int key = static_cast<int>(wParam);
            Fire(KeyDown, key, CurrentShiftState());
            if (key == 0) { result = 0; return true; } // the handler swallowed the key
        }
        break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        if (KeyUp) {
            int key = static_cast<int>(wParam);
            Fire(KeyUp, key, CurrentShiftState());
            if (key == 0) { result = 0; return true; }
        }
        break;
    case WM_CHAR:
        if (KeyPress) {
            int ascii = static_cast<int>(wParam);
            Fire(KeyPress, ascii);
            if (ascii == 0) { result = 0; return true; }
            if (ascii != static_cast<int>(wParam)) {
                result = CallDefault(msg, static_cast<WPARAM>(ascii), lParam);
                return true;
            }
        }
        break;
    case WM_SETCURSOR:
        if (AnswerSetCursor(mousePointer_, mouseIcon_, lParam)) {
            result = TRUE;
            return true;
        }
        break;
    default:
        break;
    }
    return false;
}

LRESULT Control::CallDefault(UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto found = HookedWindows().find(hwnd_);
    if (found == HookedWindows().end()) return DefWindowProcW(hwnd_, msg, wParam, lParam);
    return CallWindowProcW(found->second.original, hwnd_, msg, wParam, lParam);
}

LRESULT CALLBACK Control::WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto found = HookedWindows().find(wnd);
    if (found == HookedWindows().end()) return DefWindowProcW(wnd, msg, wParam, lParam);
    // Copied: a handler may make windows, and the table may grow meanwhile.
    const HookedWindow hooked = found->second;
    if (msg == WM_NCDESTROY) {
        Unhook(wnd, &Control::WindowProc);
        HookedWindows().erase(wnd); // the window goes: nothing is left to pass on to
        if (hooked.control && hooked.control->hwnd_ == wnd) {
            LRESULT ignored = 0;
            try {
                hooked.control->OnMessage(msg, wParam, lParam, ignored);
            } catch (...) {
            }
            hooked.control->hwnd_ = nullptr;
        }
        return CallWindowProcW(hooked.original, wnd, msg, wParam, lParam);
    }
    Control* self = hooked.control;
    if (!self) return CallWindowProcW(hooked.original, wnd, msg, wParam, lParam);
    LRESULT result = 0;
    bool handled = false;
    try {
        if (ReflectToChild(msg, wParam, lParam, result)) return result;
        handled = self->OnMessage(msg, wParam, lParam, result);
        if (!handled) handled = self->HandleCommonMessage(msg, wParam, lParam, result);
    } catch (...) {
        // Nothing crosses the window procedure: handlers report their own errors.
        handled = false;
    }
    return handled ? result : CallWindowProcW(hooked.original, wnd, msg, wParam, lParam);
}

bool ReflectToChild(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    HWND child = nullptr;
    switch (msg) {
    case WM_COMMAND: child = reinterpret_cast<HWND>(lParam); break;
    case WM_NOTIFY: child = reinterpret_cast<NMHDR*>(lParam)->hwndFrom; break;
    case WM_HSCROLL:
    case WM_VSCROLL: child = reinterpret_cast<HWND>(lParam); break;
    case WM_DRAWITEM: child = reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem; break;
    case WM_MEASUREITEM: {
        // Measured before the window exists: the control is found by its id.
        auto found = ControlIds().find(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->CtlID);
        if (found == ControlIds().end()) return false;
        return found->second->OnReflect(msg, wParam, lParam, result);
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR: child = reinterpret_cast<HWND>(lParam); break;
    default: return false;
    }
    Control* control = Control::FromHwnd(child);
    if (!control) {
        // A combo box's inner edit or list reports with the combo box as parent.
        if (child && (msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORLISTBOX))
            control = Control::FromHwnd(GetParent(child));
        if (!control) return false;
    }
    if (control->OnReflect(msg, wParam, lParam, result)) return true;
    if (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, ResolveColor(control->ForeColor()));
        SetBkColor(dc, ResolveColor(control->BackColor()));
        result = reinterpret_cast<LRESULT>(control->BackBrush());
        return true;
    }
    return false;
}

} // namespace Runtime
