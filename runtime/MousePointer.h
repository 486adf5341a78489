#pragma once
// Mouse pointers by their classic numbers: 0 default (the window class's
// own), 99 custom (the window's mouse icon), the others the system cursors
// (1 arrow, 2 cross, 3 I-beam, 11 hourglass, 13 arrow and hourglass, ...).
// A window with a pointer other than the default answers WM_SETCURSOR with
// it; a window whose pointer changed shows it at once.
#include <windows.h>

namespace Runtime {

enum : int { PointerDefault = 0, PointerHourglass = 11, PointerCustom = 99 };

// The cursor of `pointer`; null for the default and for an unknown number.
HCURSOR PointerCursor(int pointer, HCURSOR custom);

// Answers WM_SETCURSOR (its `lParam`) for a window whose pointer is
// `pointer`: over the client area of the window or of a child that lets its
// parent choose, the cursor is set and the message answered (true). The
// default pointer answers nothing: the window's own handling goes on.
bool AnswerSetCursor(int pointer, HCURSOR custom, LPARAM lParam);

// When the mouse pointer is over `wnd` or one of its children, asks the
// window under it for its cursor again, as a move of the mouse would: a
// changed pointer shows at once.
void RefreshPointer(HWND wnd);

} // namespace Runtime
