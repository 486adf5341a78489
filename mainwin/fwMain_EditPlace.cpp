// Where the copy box, the preview and the option boxes meet the Edit menu:
// the menu's popup and its Undo for the boxes that keep an undo text.
#include "mainwin/fwMain.h"

#include <algorithm>

#include "runtime/Capabilities.h"

// The Edit menu pops up here once the window has it; until then a right
// click shows what the box itself offers.
void fwMain::PopEditMenu(bool /*readOnly*/) {}

void fwMain::UndoBoxText(Runtime::Control& box)
{
    auto* edit = dynamic_cast<Runtime::IText*>(&box);
    if (!edit) return;
    const int caret = edit->SelStart();
    const std::wstring undo = box.Tag, current = edit->Text();
    edit->SetText(undo);
    box.Tag = current; // after the change handler, which keeps its own idea of the undo text
    edit->SetSelStart(std::min(caret, static_cast<int>(undo.size())));
}
