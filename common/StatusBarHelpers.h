#pragma once
// Helpers for status-bar controls.
#include <windows.h>

#include "runtime/Control.h"

namespace Common {

// The 1-based number of the panel under x (pixels in the bar); a point on a
// border belongs to the left panel. No panel there: 0, or with `clamp` the
// first panel left of them and the last panel right of them.
int StatusPanelAt(const Runtime::Control& statusBar, int x, bool clamp);

// The window of a status-bar control, or null for other kinds.
HWND StatusBarHandle(const Runtime::Control& statusBar);

} // namespace Common
