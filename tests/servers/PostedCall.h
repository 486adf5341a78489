#pragma once
// A window on the test's thread that runs a function each time a message is
// posted to it, from any thread: the way a test acts on its own thread while
// a call on that thread processes window messages (a check waiting on the
// network). By default the function cancels the update control's check.
#include <windows.h>

#include <functional>

#include "runtime/ComVariant.h"
#include "tests/servers/ComTestObjects.h"

namespace TestSupport {

class PostedCall {
public:
    explicit PostedCall(IDispatch* control = nullptr)
    {
        onPost = [control] {
            Runtime::Variant result;
            if (control) CallMethod(control, L"Cancel", {}, result);
        };
        WNDCLASSW wc{};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"SendrelPostedCall";
        RegisterClassW(&wc);
        wnd_ = CreateWindowW(wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
        SetWindowLongPtrW(wnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~PostedCall() { DestroyWindow(wnd_); }
    PostedCall(const PostedCall&) = delete;
    PostedCall& operator=(const PostedCall&) = delete;

    HWND Get() const { return wnd_; }
    // From any thread.
    void Post() const { PostMessageW(wnd_, WM_APP, 0, 0); }

    int calls = 0;
    // When the last posted message was handled (GetTickCount64).
    ULONGLONG handledAt = 0;
    std::function<void()> onPost;

private:
    static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp)
    {
        if (msg == WM_APP) {
            auto* self = reinterpret_cast<PostedCall*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
            self->handledAt = GetTickCount64();
            ++self->calls;
            self->onPost();
            return 0;
        }
        return DefWindowProcW(wnd, msg, wp, lp);
    }
    HWND wnd_;
};

} // namespace TestSupport
