#pragma once
// A list box with a check box drawn before each item: the item's selected
// state is its check (a click or the space bar toggles it), and the item
// with the focus rectangle is the current one. Read and changed through
// its window; a check changed here raises no notification.
#include <windows.h>

#include <string>
#include <vector>

namespace CheckList {

// Makes the list box as child `id` of `parent`, in `font`.
HWND Create(HWND parent, int id, HFONT font);

// Draws an item of the list (WM_DRAWITEM); the text after the first TAB
// starts at `tabStop` pixels from the text's start.
void DrawItem(const DRAWITEMSTRUCT& item, int tabStop);

int Count(HWND list);
std::wstring Text(HWND list, int index);
long Data(HWND list, int index);

bool Checked(HWND list, int index);
// Sets the item's check, leaving the current item where it is; true when
// it changed.
bool SetChecked(HWND list, int index, bool checked);
// Sets every item's check.
void SetAllChecked(HWND list, bool checked);
// Every item's check, in list order.
std::vector<bool> Checks(HWND list);

// The current item; -1 when the list is empty.
int Current(HWND list);
// Makes the item current and scrolls it into view; outside the list,
// nothing changes.
void SetCurrent(HWND list, int index);

// The first item whose whole text equals `text` (letter case ignored with
// `ignoreCase`); -1 when there is none or `text` is empty.
int Find(HWND list, const std::wstring& text, bool ignoreCase);

} // namespace CheckList
