#pragma once
// The window class of a control kind that paints itself: the program's
// own, with the arrow cursor and the default procedure (the control's
// subclass does the rest).
#include <windows.h>

namespace Runtime {

// Registers `className` with `style` the first time; later calls do nothing.
void RegisterControlClass(const wchar_t* className, UINT style);

} // namespace Runtime
