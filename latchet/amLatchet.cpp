#include "latchet/amLatchet.h"

#include <memory>

#include "latchet/cmLatchet.h"

namespace amLatchet {

namespace {

// The window properties that mark a hooked window: the hook instance and
// the window procedure that was there before.
const wchar_t kObjectPointer[] = L"ObjectPointer";
const wchar_t kOldWindowProc[] = L"OldWindowProc";

// The window this thread hooked last, with what its properties hold. The hook
// procedure runs for every message of the window; reading the properties
// costs Wine a server round trip each, so the thread answers from this
// record and reads the properties only for other windows.
struct HookRecord {
    HWND window = nullptr;
    cmLatchet* instance = nullptr;
    WNDPROC previous = nullptr;
};

HookRecord& Record()
{
    thread_local HookRecord record;
    return record;
}

} // namespace

void Hook(HWND window, cmLatchet* instance)
{
    if (!window || !IsWindow(window)) return;
    if (GetPropW(window, kOldWindowProc)) return; // never hooked twice
    SetPropW(window, kObjectPointer, instance);
    // The Unicode procedure: a Unicode window keeps its text intact through
    // the hook (an ANSI hook would pass every text through the code page).
    auto previous = GetWindowLongPtrW(window, GWLP_WNDPROC);
    SetPropW(window, kOldWindowProc, reinterpret_cast<HANDLE>(previous));
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HookProc));
    // The hook procedure runs on the window's thread: only that thread's
    // record can answer for it.
    if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId())
        Record() = {window, instance, reinterpret_cast<WNDPROC>(previous)};
}

void Unhook(HWND window)
{
    if (!window) return;
    if (HANDLE previous = GetPropW(window, kOldWindowProc))
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    RemovePropW(window, kObjectPointer);
    RemovePropW(window, kOldWindowProc);
    if (Record().window == window) Record() = {};
}

cmLatchet* HookOf(HWND window)
{
    if (!window) return nullptr;
    if (Record().window == window) return Record().instance;
    return static_cast<cmLatchet*>(GetPropW(window, kObjectPointer));
}

WNDPROC PreviousProc(HWND window)
{
    if (window && Record().window == window) return Record().previous;
    return reinterpret_cast<WNDPROC>(GetPropW(window, kOldWindowProc));
}

LRESULT CALLBACK HookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!window) return 0;
    cmLatchet* hooked = HookOf(window);
    if (!hooked) return 0;
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
