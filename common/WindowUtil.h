#pragma once
// Window helpers: the topmost band, finding a child window by class and
// title, reading a window's class and title.
//
// <windows.h> makes FindWindow a macro for FindWindowW; since this header
// always includes it, Common::FindWindow is consistently Common::FindWindowW
// for the compiler and reads as Common::FindWindow in the code.
#include <windows.h>

#include <string>
#include <string_view>

namespace Common {

// Puts `window` into (onTop) or out of the topmost band, keeping its place
// and size and without activating it. False when the system refuses.
bool SetTopMost(HWND window, bool onTop);

// The direct child of `parent` (null = the desktop, so the top-level
// windows) whose class name equals `className` and whose title equals
// `title`, both ignoring case, an empty one matching anything. Matches are
// counted from 0 in z-order; the one numbered `occurrence` is returned (0 or
// less: the first). Null when there is no such match or when both `title`
// and `className` are empty.
HWND FindWindow(HWND parent, std::wstring_view title, std::wstring_view className, int occurrence = 0);

// The class name (`what` "Class") or title text ("Text") of `window`, at
// most 259 characters; any other `what` gives an empty text.
std::wstring GetWindowInfo(HWND window, std::wstring_view what);

} // namespace Common
