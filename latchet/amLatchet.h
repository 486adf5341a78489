#pragma once
// The subclassing engine of the hook control: the window procedure put on a
// hooked window and the routines that put it there and take it away again.
#include <windows.h>

class cmLatchet;

namespace amLatchet {

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
