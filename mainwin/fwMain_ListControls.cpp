// The font list and the block list with their neighbours: which routine
// each of their events runs, and what the two lists share: the Copy key
// and the right-click Edit menu, which offer the selected item's text.
#include "mainwin/fwMain.h"

#include "chardata/ClipboardWriter.h"
#include "common/EditKeys.h"

void fwMain::WireSideLists()
{
    lvFont.ItemClick = [this](Runtime::ListItem& item) { lvFont_ItemClick(&item); };
    lvFont.MouseDown = [this](const Runtime::MouseArgs& args) { lvFont_MouseDown(args); };
    lvFont.KeyDown = [this](int& key, int shift) { lvFont_KeyDown(key, shift); };
    chRange.Click = [this] { chRange_Click(); };
    lvRange.ItemClick = [this](Runtime::ListItem& item) { lvRange_ItemClick(&item); };
    lvRange.MouseDown = [this](const Runtime::MouseArgs& args) { lvRange_MouseDown(args); };
    lvRange.KeyDown = [this](int& key, int shift) { lvRange_KeyDown(key, shift); };
    cbRange.Click = [this] { cbRange_Click(); };
    cbRange.DropDown = [this] { cbRange_DropButtonClick(); };
    bbRange.MouseUp = [this](const Runtime::MouseArgs& args) { bbRange_MouseUp(args); };
}

void fwMain::CopyListItem(const Runtime::ListView& list, int keyCode, int shift)
{
    if (Common::EditKeyCommand(keyCode, shift) != Common::EditCopy) return;
    // An empty list has no item to copy.
    if (const Runtime::ListItem* item = list.SelectedItem())
        CharData::SetClipboardText(item->Text(), CopyClipboardWait());
}

void fwMain::PopListEditMenu(const Runtime::ListView& list, const Runtime::MouseArgs& args)
{
    if (args.Button != Runtime::ButtonRight) return;
    // An empty list has no item to place the menu at.
    const Runtime::ListItem* item = list.SelectedItem();
    if (!item) return;
    // Only Copy is offered, at the mouse's x and level with the selected
    // item; the list's Copy key does the copying, so the list has the focus.
    if (!list.HasFocus()) ::SetFocus(list.hWnd());
    ShowEditPopup(false);
    POINT at{list.Left() + args.X, list.Top() + item->Top()};
    if (const Runtime::Control* panel = list.Container()) MapWindowPoints(panel->hWnd(), hWnd(), &at, 1);
    Runtime::PopupMenu(*this, mEdit, at.x, at.y);
}
