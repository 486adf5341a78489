#pragma once
// Subclassing of windows the runtime does not own (a combo box's edit, a
// container's window), kept in this process: each window's chain of
// procedures lives in a table here. comctl32's SetWindowSubclass keeps its
// chain in a window property instead, and under Wine each property read is
// a round trip to the server, several for every message the window gets.
// The calls mirror comctl32's. One user-interface thread: no lock.
#include <windows.h>

namespace Runtime {

using SubclassProc = LRESULT (*)(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR data);

// Puts `proc` (with `id`) over the window's procedure; adding the same
// procedure and id again only replaces its data. False for no window.
bool AddSubclass(HWND wnd, SubclassProc proc, UINT_PTR id, DWORD_PTR data);
// Takes `proc` (with `id`) off the window's chain; safe while it runs.
void RemoveSubclass(HWND wnd, SubclassProc proc, UINT_PTR id);
// From a subclass procedure: passes the message on to the next procedure of
// the chain, and at its end to the window's own.
LRESULT DefSubclass(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

} // namespace Runtime
