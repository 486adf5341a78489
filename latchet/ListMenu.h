#pragma once
// The control's list menu over a property page's list box (reached late
// bound: ListCount, Selected(i), ListIndex, List(i), ItemData(i), hWnd):
// select or clear every item, copy the selected ones, go to the previous
// or next selected one.
#include <windows.h>
#include <oaidl.h>

namespace ListMenu {

enum Command : UINT {
    SelectAll = 1,
    ClearAll = 2,
    CopySelected = 4,
    CopySpecial = 5,
    PreviousSelected = 7,
    NextSelected = 8,
};

// Pops the menu up at the cursor, its items enabled for the list's state,
// and carries out the item chosen. `owner` is the window that owns the
// menu while it is shown (the list's own window when `owner` is null).
void Popup(IDispatch* list, HWND owner);

// Carries out one command on the list.
void Run(IDispatch* list, UINT command);

} // namespace ListMenu
