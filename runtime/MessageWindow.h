#pragma once
// The runtime's hidden message-only window: the window the timers run on
// and the owner of what the program puts on the clipboard. Made on first
// use by the user-interface thread and kept for the life of the process.
#include <windows.h>

namespace Runtime {

// Null only when the window cannot be made.
HWND RuntimeMessageWindow();

} // namespace Runtime
