#pragma once
// Helpers that act on any list-like control (list box, combo box, list
// view), chosen by the control's kind; other kinds are left alone.
#include <optional>
#include <string>
#include <vector>

#include "runtime/Control.h"

namespace Common {

// The position of the first item whose text equals `text` (0-based for list
// and combo boxes, 1-based for a list view's items), or -1. With `select`
// the item becomes the current one; a list or combo box with no match (or an
// empty text) is left with no current item, a list view keeps its selection.
// A multi-select list box also marks the found item selected.
int ListFind(Runtime::Control& control, const std::wstring& text, bool select, bool ignoreCase);

// Adds one row: values[0] as the item, the others into columns 1, 2, ... of it.
void ListAddArray(Runtime::Control& control, const std::vector<std::wstring>& values);

// Clears the control and fills it from text: one item per line (lines split
// by `rowSeparator`, up to the first empty line or one starting with a zero
// character). A list view takes tab-separated columns: the item text, then
// its sub-items. With `indent`, a line indented more than one level deeper
// than the one before stops the filling, and the indent is cut from items
// that keep only the text.
void FillListControl(Runtime::Control& control, const std::wstring& data, const std::wstring& rowSeparator = L"\r\n",
                     const std::optional<std::wstring>& indent = std::nullopt);

// Fills from an array: every element but the last one (as the list builders
// that pass a split text with its empty tail expect).
void FillListControl(Runtime::Control& control, const std::vector<std::wstring>& data,
                     const std::optional<std::wstring>& indent = std::nullopt);

// The height in pixels of a list view's column header; 0 for other kinds or
// a list view without a header window.
int ListViewHeaderHeight(const Runtime::Control& control);

} // namespace Common
