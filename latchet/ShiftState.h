#pragma once
// The shift state of the key being handled, as the pages' key handlers
// take it: 1 Shift, 2 Ctrl, 4 Alt.
#include <windows.h>

inline int ShiftState()
{
    return (GetKeyState(VK_SHIFT) < 0 ? 1 : 0) | (GetKeyState(VK_CONTROL) < 0 ? 2 : 0) |
           (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}
