#pragma once
// The window classes of the server module's own windows, registered once.
#include <windows.h>

namespace Runtime {

// Registers class `name` in the server module (DefWindowProc as its
// procedure, the arrow cursor, `background`) unless it is registered.
void RegisterWindowClassOnce(const wchar_t* name, HBRUSH background = nullptr);

} // namespace Runtime
