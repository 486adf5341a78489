#pragma once
// The message loop. Every message goes through PumpMessage, which shows keys
// to the form first when it previews them and moves the focus on Tab.
#include <windows.h>

namespace Runtime {

class Form;

// Handles one message that GetMessage or PeekMessage returned.
bool PumpMessage(MSG& msg);

// Processes the window messages waiting now and returns ("DoEvents").
// False once WM_QUIT was seen (it is posted again for the outer loop).
bool DoEvents();

// Runs the loop until the last form is unloaded; the exit code.
int RunMessageLoop();

// A form's own handling of a key before it is dispatched: key preview, Tab
// among its tab stops, Alt and an access key. True when it used the key up.
bool PreTranslateFormKey(Form& form, MSG& msg);

// The message by which a message loop shows a key first to a form that
// another module made (each module holding this runtime has forms of its
// own: a control's server waits with messages processed inside its host).
// The key goes by value: wParam is the key message's wParam, lParam its
// message number (WM_KEYFIRST to WM_KEYLAST). Any program may send or post
// the message: sent from another thread or process, or with anything else
// in lParam, it is the plain message it is; posted, it can do no more than
// the key it names, as any posted key can.
// The answer: 0 from a window that is no such form (or did not take it),
// else one of the two below.
UINT FormKeyMessage();
constexpr LRESULT kFormKeySeen = 1;
constexpr LRESULT kFormKeyUsed = 2;

} // namespace Runtime
