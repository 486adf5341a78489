#pragma once
// The subclassing engine of the hook control: the window procedure put on a
// hooked window, the routines that put it there and take it away again,
// and the thread's state that the control's members read.
#include <windows.h>

class Latchet;
class cmLatchet;

namespace amLatchet {

// Per user-interface thread: the window that the thread's controls hooked
// last (null when none) and the control that owns that hook.
struct ThreadState {
    HWND hookedWindow = nullptr;
    Latchet* control = nullptr; // not counted: the control clears it when it goes
};
ThreadState& Thread();

// Puts HookProc on `window` for `instance`. Nothing happens for a window
// that is not alive or is hooked already.
void Hook(HWND window, cmLatchet* instance);

// Puts the window's previous procedure back and forgets the hook.
void Unhook(HWND window);

// The hook instance that hooked `window`; null when it is not hooked.
cmLatchet* HookOf(HWND window);
// The window procedure that was on `window` before the hook; null when none.
WNDPROC PreviousProc(HWND window);

LRESULT CALLBACK HookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace amLatchet
