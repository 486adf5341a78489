#pragma once
// What's This help mode: until the next mouse press the pointer is the
// help pointer. A left press on the form sends WM_HELP (a HELPINFO for the
// window under the pointer) to the window pressed; the message climbs to
// the form through the windows' parents, and the form's runtime shows the
// topic of the control that asked. Any other press, a key, or losing the
// mouse ends the mode with no help.
#include <windows.h>

namespace Runtime {

class Form;

void EnterWhatsThisMode(Form& form);
bool InWhatsThisMode();
void EndWhatsThisMode();

// The runtime's own answer to a WM_HELP that reached a form: the topic of
// the control whose window asked (the nearest control among its parents),
// when the control has one and the application has a help file. True when
// a topic was shown.
bool ShowHelpForWindow(const HELPINFO& info);

} // namespace Runtime
