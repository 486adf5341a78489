#pragma once
// What's This help: a help topic shown as a small window of text at the
// mouse pointer, the way the system's context help shows a topic. The
// program tells the runtime where its topic texts come from. The popup
// closes at the next mouse click anywhere in the program or the next key.
#include <windows.h>

#include <functional>
#include <string>

namespace Runtime {

class Control;

// The text of a help topic; empty when the topic has none.
using HelpTextSource = std::function<std::wstring(long helpId)>;
void SetHelpTextSource(HelpTextSource source);

// Shows topic `helpId` at the mouse pointer, in place of a popup already
// shown. Topic 0, and a topic without text, show nothing (and close the
// popup shown). True when a topic is shown.
bool ShowWhatsThis(long helpId);
// The topic of `control` (its WhatsThisHelpID).
bool ShowWhatsThis(const Control& control);

// The popup window while one is shown, else null.
HWND HelpPopupWindow();
void CloseHelpPopup();

} // namespace Runtime
