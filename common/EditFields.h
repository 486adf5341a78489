#pragma once
// Helpers for the edit fields of a form: keeping only allowed characters
// while the user types, and resetting a text box's editing state.
#include <string>

#include "runtime/Control.h"

namespace Common {

// For a text box or combo box: removes from its text every character not in
// `allowed` (compared ignoring case) and keeps the caret after the same
// characters it followed. True when the text changed. The change event its
// own assignment raises does not filter again, and other kinds are left alone.
bool FilterChars(Runtime::Control& control, const std::wstring& allowed);

// For a text box: disables and re-enables it (ending any pending mouse
// capture or IME state), puts its selection back and gives it the focus.
// Other kinds are left alone.
void ResetTextBox(Runtime::Control& control);

} // namespace Common
