#pragma once
// Keeps only allowed characters in an edit field while the user types.
#include <string>

#include "runtime/Control.h"

namespace Common {

// For a text box or combo box: removes from its text every character not in
// `allowed` (compared ignoring case) and keeps the caret after the same
// characters it followed. True when the text changed. The change event its
// own assignment raises does not filter again, and other kinds are left alone.
bool FilterChars(Runtime::Control& control, const std::wstring& allowed);

} // namespace Common
