#include "latchet/amLatchet.h"

#include <map>
#include <memory>
#include <mutex>

#include "latchet/cmLatchet.h"
#include "runtime/ComServer.h"
#include "runtime/SlimLock.h"

namespace amLatchet {

namespace {

// The window properties that mark a hooked window: the hook instance and
// the window procedure that was there before.
const wchar_t kObjectPointer[] = L"ObjectPointer";
const wchar_t kOldWindowProc[] = L"OldWindowProc";
// A hook let go of while another procedure stood in front of HookProc
// cannot take HookProc out of the window's chain: that procedure calls it as
// the one it replaced, and puts it back as the window's procedure when it
// leaves. HookProc stays and passes each message on to the procedure below
// it, kept here, until the window is destroyed or HookProc stands in front
// again and can leave; the server stays loaded meanwhile.
const wchar_t kPassOn[] = L"LatchetPassOn";

// The window each thread hooked last, with what its properties hold. The
// hook procedure runs for every message of the window; reading the
// properties costs Wine a server round trip each, so the thread answers from
// its record and reads the properties only for other windows. The records
// are kept by thread id, not in thread-local storage: this toolchain's gives
// each thread that uses it a record of the threads library in each load of
// the module, which unloading the server leaves behind.
struct HookRecord {
    HWND window = nullptr;
    cmLatchet* instance = nullptr;
    WNDPROC previous = nullptr;
};

Runtime::SlimLock g_recordsLock;
std::map<DWORD, HookRecord> g_records;

// This thread's record of `window`; an empty one when it holds another.
HookRecord RecordOf(HWND window)
{
    std::lock_guard<Runtime::SlimLock> hold(g_recordsLock);
    auto found = g_records.find(GetCurrentThreadId());
    if (found == g_records.end() || found->second.window != window) return {};
    return found->second;
}

void SetRecord(const HookRecord& record)
{
    std::lock_guard<Runtime::SlimLock> hold(g_recordsLock);
    g_records[GetCurrentThreadId()] = record;
}

void ForgetRecord(HWND window)
{
    std::lock_guard<Runtime::SlimLock> hold(g_recordsLock);
    auto found = g_records.find(GetCurrentThreadId());
    if (found != g_records.end() && found->second.window == window) g_records.erase(found);
}

// The hook procedure runs on the window's thread: only that thread's
// record can answer for it.
void Remember(HWND window, cmLatchet* instance, HANDLE previous)
{
    if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId())
        SetRecord({window, instance, reinterpret_cast<WNDPROC>(previous)});
}

bool InFront(HWND window)
{
    return GetWindowLongPtrW(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&HookProc);
}

// Takes HookProc out of the window's chain, or leaves it passing messages
// on when another procedure stands in front of it.
void LeaveChain(HWND window, HANDLE previous)
{
    if (IsWindow(window) && !InFront(window) && SetPropW(window, kPassOn, previous)) {
        Runtime::ComServer::AddLock();
        return;
    }
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
}

// HookProc of a window it no longer hooks: passes the message on, and
// leaves the chain when the window goes or nothing stands in front of it
// any more. The server's lock goes last, once no code of it runs for the
// window.
LRESULT PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto next = reinterpret_cast<WNDPROC>(GetPropW(window, kPassOn));
    if (!next) return 0;
    const bool front = InFront(window);
    if (front) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(next));
        RemovePropW(window, kPassOn);
    }
    LRESULT result = CallWindowProcW(next, window, message, wParam, lParam);
    if (!front && message == WM_NCDESTROY) RemovePropW(window, kPassOn);
    if (front || message == WM_NCDESTROY) Runtime::ComServer::RemoveLock();
    return result;
}

} // namespace

void Hook(HWND window, cmLatchet* instance)
{
    if (!window || !IsWindow(window)) return;
    if (GetPropW(window, kOldWindowProc)) return; // never hooked twice
    SetPropW(window, kObjectPointer, instance);
    if (HANDLE next = RemovePropW(window, kPassOn)) {
        // HookProc is still in the window's chain: it hooks again where it
        // stands, and the hook's owner holds the server from now on.
        SetPropW(window, kOldWindowProc, next);
        Runtime::ComServer::RemoveLock();
        Remember(window, instance, next);
        return;
    }
    // The Unicode procedure: a Unicode window keeps its text intact through
    // the hook (an ANSI hook would pass every text through the code page).
    auto previous = GetWindowLongPtrW(window, GWLP_WNDPROC);
    SetPropW(window, kOldWindowProc, reinterpret_cast<HANDLE>(previous));
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HookProc));
    Remember(window, instance, reinterpret_cast<HANDLE>(previous));
}

void Unhook(HWND window)
{
    if (!window) return;
    if (HANDLE previous = GetPropW(window, kOldWindowProc)) LeaveChain(window, previous);
    RemovePropW(window, kObjectPointer);
    RemovePropW(window, kOldWindowProc);
    ForgetRecord(window);
}

cmLatchet* HookOf(HWND window)
{
    if (!window) return nullptr;
    if (HookRecord record = RecordOf(window); record.window) return record.instance;
    return static_cast<cmLatchet*>(GetPropW(window, kObjectPointer));
}

WNDPROC PreviousProc(HWND window)
{
    if (HookRecord record = RecordOf(window); window && record.window) return record.previous;
    return reinterpret_cast<WNDPROC>(GetPropW(window, kOldWindowProc));
}

LRESULT CALLBACK HookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!window) return 0;
    cmLatchet* hooked = HookOf(window);
    if (!hooked) return PassOn(window, message, wParam, lParam);
    // The host may let go of the hook inside its event handler (Terminate, a
    // new HookedObject): the hook instance stays alive until its procedure
    // has returned.
    std::shared_ptr<cmLatchet> instance = hooked->shared_from_this();
    WNDPROC previous = PreviousProc(window);
    LRESULT result = 0;
    bool failed = false;
    bool previousRan = false;
    try {
        result = instance->WindowProc(window, message, wParam, lParam, previousRan);
    } catch (...) {
        failed = true;
    }
    if (failed || message == WM_DESTROY) {
        // The window is let go of, and so is whichever hook instance holds it.
        if (cmLatchet* current = HookOf(window)) current->Forget(window);
        instance->Forget(window);
        Unhook(window);
    }
    // A message whose handling failed still reaches the window's own
    // procedure once, so that the window does not lose it.
    if (failed && !previousRan && previous) result = CallWindowProcW(previous, window, message, wParam, lParam);
    return result;
}

} // namespace amLatchet
