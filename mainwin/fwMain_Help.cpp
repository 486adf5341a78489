// Context help: a right click on a control offers "What's This?" for the
// control's help topic (its WhatsThisHelpID). The help popup is not built
// yet, so the right-click handlers that call here show nothing for now.
#include "mainwin/fwMain.h"

void fwMain::ShowHelpPopup(Runtime::Control&) {}
