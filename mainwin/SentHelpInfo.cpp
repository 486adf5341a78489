#include "mainwin/SentHelpInfo.h"

#include <algorithm>

namespace {

const wchar_t kProperty[] = L"OrlentaSentHelpInfo";

// The instance in front of a window of this thread, made last. Proc runs
// for every message of that window and answers from here: a property read
// costs Wine a server round trip. Other windows are found by the property.
SentHelpInfo*& ThreadOwn()
{
    thread_local SentHelpInfo* own = nullptr;
    return own;
}

} // namespace

SentHelpInfo::SentHelpInfo(HWND window) : window_(window)
{
    if (!window_ || !SetPropW(window_, kProperty, this)) return;
    previous_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SentHelpInfo::Proc)));
    if (GetWindowThreadProcessId(window_, nullptr) == GetCurrentThreadId()) ThreadOwn() = this;
}

SentHelpInfo::~SentHelpInfo()
{
    if (ThreadOwn() == this) ThreadOwn() = nullptr;
    if (!window_ || !IsWindow(window_)) return;
    // Only while still in front: a hook that let go of the window put back
    // the procedure it found, and this one went with it.
    if (GetWindowLongPtrW(window_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&SentHelpInfo::Proc))
        SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    if (GetPropW(window_, kProperty) == this) RemovePropW(window_, kProperty);
}

LRESULT CALLBACK SentHelpInfo::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    SentHelpInfo* self = ThreadOwn();
    if (!self || self->window_ != window) self = static_cast<SentHelpInfo*>(GetPropW(window, kProperty));
    if (!self || !self->previous_) return DefWindowProcW(window, message, wParam, lParam);
    const WNDPROC previous = self->previous_;
    if (message == WM_NCDESTROY) {
        // The window goes: the procedure in front goes first.
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        RemovePropW(window, kProperty);
        if (ThreadOwn() == self) ThreadOwn() = nullptr;
        return CallWindowProcW(previous, window, message, wParam, lParam);
    }
    if (message != WM_HELP) return CallWindowProcW(previous, window, message, wParam, lParam);
    if (self->depth_ < kDepth) self->sent_[self->depth_] = lParam;
    ++self->depth_;
    const LRESULT result = CallWindowProcW(previous, window, message, wParam, lParam);
    --self->depth_;
    return result;
}

const HELPINFO* SentHelpInfo::Find(std::int32_t low32) const
{
    for (int i = std::min(depth_, kDepth) - 1; i >= 0; --i)
        if (sent_[i] && static_cast<std::int32_t>(sent_[i]) == low32)
            return reinterpret_cast<const HELPINFO*>(sent_[i]);
    return nullptr;
}
