#include "latchet/cmLatchet.h"

#include <string>

#include "latchet/Latchet.h"
#include "latchet/ListedMessage.h"
#include "latchet/amLatchet.h"
#include "runtime/ComVariant.h"
#include "runtime/RuntimeError.h"

cmLatchet::cmLatchet(Latchet& owner, HWND window) : owner_(owner), window_(window)
{
    if (cmLatchet* before = amLatchet::HookOf(window_)) before->Forget(window_);
    amLatchet::Unhook(window_);
    amLatchet::Hook(window_, this);
}

cmLatchet::~cmLatchet() { LetGo(); }

void cmLatchet::LetGo()
{
    if (window_ && amLatchet::HookOf(window_) == this) amLatchet::Unhook(window_);
    window_ = nullptr;
}

LRESULT cmLatchet::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool& previousRan)
{
    WNDPROC previous = amLatchet::PreviousProc(window);
    auto callPrevious = [&] {
        previousRan = true;
        return previous ? CallWindowProcW(previous, window, message, wParam, lParam) : 0;
    };
    // The host may let go of the control inside its event handler.
    owner_.AddRef();
    struct Hold {
        Latchet& owner;
        ~Hold() { owner.Release(); }
    } hold{owner_};

    LRESULT result = 0;
    long callOrder = owner_.CallOrderValue();
    if (callOrder == CallAfter) result = callPrevious();

    Runtime::Variant rc;
    if (FAILED(owner_.RaiseMessage(static_cast<long>(message), static_cast<long>(wParam), static_cast<long>(lParam),
                                   rc.Get())))
        Runtime::Raise(Runtime::ErrInvalidCall);
    bool answered = rc.Type() != VT_EMPTY;
    bool swallowed = false;
    if (answered) {
        Runtime::Variant number;
        if (FAILED(VariantChangeType(number.Get(), rc.Get(), 0, VT_I4))) Runtime::Raise(Runtime::ErrTypeMismatch);
        result = V_I4(number.Get());
        swallowed = result == 0;
    }

    if (callOrder != CallBefore && LatchetList::IsListed(owner_.MessagesText(), message)) return result;
    if (callOrder == CallAfter) return result;
    if (!answered) return callPrevious();
    if (!swallowed) callPrevious();
    return result;
}
