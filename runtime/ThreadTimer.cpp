#include "runtime/ThreadTimer.h"

#include <map>

namespace Runtime {

namespace {

using Timers = std::map<UINT_PTR, ThreadTimer*>;

// The running timers of this thread by their system timer id; made with the
// thread's first timer and gone with its last. A thread-local object with a
// destructor would make the runtime hold the module that defines it until
// the thread ends, so a control server built with this could never be
// unloaded: the thread keeps a plain pointer instead.
thread_local Timers* t_running = nullptr;

} // namespace

void ThreadTimer::SetEnabled(bool enabled)
{
    if (enabled == enabled_) return;
    if (enabled) {
        if (!t_running) t_running = new Timers();
        id_ = SetTimer(nullptr, 0, interval_, TimerProc);
        if (id_ != 0) (*t_running)[id_] = this;
    } else {
        KillTimer(nullptr, id_);
        if (t_running) t_running->erase(id_);
        id_ = 0;
    }
    if (t_running && t_running->empty()) {
        delete t_running;
        t_running = nullptr;
    }
    enabled_ = id_ != 0;
}

void CALLBACK ThreadTimer::TimerProc(HWND, UINT, UINT_PTR id, DWORD)
{
    if (!t_running) return;
    auto it = t_running->find(id);
    if (it == t_running->end()) return;
    // The owner may go away during its tick: call a copy. No exception
    // leaves a timer callback; the next tick runs normally.
    std::function<void()> tick = it->second->tick_;
    try {
        tick();
    } catch (...) {
    }
}

} // namespace Runtime
