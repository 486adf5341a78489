#pragma once
// The message loop. Every message goes through PumpMessage, which shows keys
// to the form first when it previews them and moves the focus on Tab.
#include <windows.h>

namespace Runtime {

// Handles one message that GetMessage or PeekMessage returned.
bool PumpMessage(MSG& msg);

// Processes the window messages waiting now and returns ("DoEvents").
// False once WM_QUIT was seen (it is posted again for the outer loop).
bool DoEvents();

// Runs the loop until the last form is unloaded; the exit code.
int RunMessageLoop();

} // namespace Runtime
