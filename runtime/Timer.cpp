#include "runtime/Timer.h"

#include <map>

#include "runtime/Form.h"
#include "runtime/MessageWindow.h"

namespace Runtime {

namespace {

// The live timers by their timer id on the message window.
std::map<UINT_PTR, TimerControl*>& Timers()
{
    static std::map<UINT_PTR, TimerControl*> timers;
    return timers;
}

UINT_PTR NextTimerId()
{
    static UINT_PTR next = 0;
    return ++next;
}

} // namespace

TimerControl::TimerControl(Form* form, Control* container, std::wstring name, int index)
    : Control(form, container, std::move(name), index), id_(NextTimerId())
{
    Timers()[id_] = this;
}

TimerControl::~TimerControl()
{
    Stop();
    Timers().erase(id_);
}

void TimerControl::SetInterval(long interval)
{
    if (interval < 0 || interval > 65535) Raise(ErrInvalidProperty);
    interval_ = interval;
    Start();
}

void TimerControl::SetEnabled(bool enabled)
{
    Control::SetEnabled(enabled);
    Start();
}

void TimerControl::Start()
{
    Stop();
    if (!Enabled() || interval_ == 0) return;
    HWND wnd = RuntimeMessageWindow();
    running_ = wnd && SetTimer(wnd, id_, static_cast<UINT>(interval_), TimerProc) != 0;
}

void TimerControl::Stop()
{
    if (!running_) return;
    KillTimer(RuntimeMessageWindow(), id_);
    running_ = false;
}

void TimerControl::Tick()
{
    if (ParentForm() && !ParentForm()->Loaded()) {
        Stop();
        return;
    }
    // A handler that runs a message loop (a message box) gets no second
    // tick of the same timer until it returns.
    if (busy_) return;
    busy_ = true;
    UINT_PTR id = id_;
    Fire(Timer);
    // The handler may have destroyed this timer (with its form object).
    if (Timers().count(id)) busy_ = false;
}

void CALLBACK TimerControl::TimerProc(HWND, UINT, UINT_PTR id, DWORD)
{
    try {
        auto it = Timers().find(id);
        if (it != Timers().end()) it->second->Tick();
    } catch (...) {
        // Nothing crosses the timer callback; handlers report their own errors.
    }
}

} // namespace Runtime
