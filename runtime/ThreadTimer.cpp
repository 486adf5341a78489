#include "runtime/ThreadTimer.h"

#include <map>
#include <mutex>
#include <utility>

#include "runtime/SlimLock.h"

namespace Runtime {

namespace {

// The running timers by their thread and system timer id. No thread-local
// storage: this toolchain's gives each thread a record of its own in every
// module that uses it, which a control server, loaded and unloaded with
// each window that hosts it, would leave behind each time (a thread handle,
// an event and two semaphores).
using Timers = std::map<std::pair<DWORD, UINT_PTR>, ThreadTimer*>;

SlimLock g_lock;

Timers& Running()
{
    static Timers running;
    return running;
}

} // namespace

void ThreadTimer::SetEnabled(bool enabled)
{
    if (enabled == enabled_) return;
    std::lock_guard<SlimLock> hold(g_lock);
    if (enabled) {
        id_ = SetTimer(nullptr, 0, interval_, TimerProc);
        if (id_ != 0) Running()[{GetCurrentThreadId(), id_}] = this;
    } else {
        KillTimer(nullptr, id_);
        Running().erase({GetCurrentThreadId(), id_});
        id_ = 0;
    }
    enabled_ = id_ != 0;
}

void CALLBACK ThreadTimer::TimerProc(HWND, UINT, UINT_PTR id, DWORD)
{
    // The owner may go away during its tick: call a copy. No exception
    // leaves a timer callback; the next tick runs normally.
    std::function<void()> tick;
    {
        std::lock_guard<SlimLock> hold(g_lock);
        auto it = Running().find({GetCurrentThreadId(), id});
        if (it == Running().end()) return;
        tick = it->second->tick_;
    }
    try {
        tick();
    } catch (...) {
    }
}

} // namespace Runtime
