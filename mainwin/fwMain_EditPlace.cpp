// Where the copy box, the preview and the option boxes meet the Edit menu:
// the menu's popup and its Undo for the boxes that keep an undo text.
#include "mainwin/fwMain.h"

#include <algorithm>

#include "runtime/Capabilities.h"

// A read-only box offers only Copy and Select All.
void fwMain::PopEditMenu(Runtime::Control& box, bool readOnly)
{
    if (readOnly)
        PopEditMenuFor(box, {&mEditUndo, &mEditSeparator1, &mEditCut, &mEditPaste, &mEditDelete});
    else
        PopEditMenuFor(box, {});
}

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
