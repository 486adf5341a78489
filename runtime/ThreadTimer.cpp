#include "runtime/ThreadTimer.h"

#include <map>

namespace Runtime {

namespace {

// The running timers of this thread by their system timer id.
std::map<UINT_PTR, ThreadTimer*>& Running()
{
    thread_local std::map<UINT_PTR, ThreadTimer*> timers;
    return timers;
}

} // namespace

void ThreadTimer::SetEnabled(bool enabled)
{
    if (enabled == enabled_) return;
    if (enabled) {
        id_ = SetTimer(nullptr, 0, interval_, TimerProc);
        if (id_ == 0) return;
        Running()[id_] = this;
    } else {
        KillTimer(nullptr, id_);
        Running().erase(id_);
        id_ = 0;
    }
    enabled_ = enabled;
}

void CALLBACK ThreadTimer::TimerProc(HWND, UINT, UINT_PTR id, DWORD)
{
    auto it = Running().find(id);
    if (it == Running().end()) return;
    // The owner may go away during its tick: call a copy. No exception
    // leaves a timer callback; the next tick runs normally.
    std::function<void()> tick = it->second->tick_;
    try {
        tick();
    } catch (...) {
    }
}

} // namespace Runtime
