#pragma once
// Widens a combo box's drop-down list to its widest item.
#include "runtime/Control.h"

namespace Common {

// Sets the drop-down width of a combo box to its widest item (the columns of
// a several-column box joined by four blanks) measured in the box's font,
// plus a margin and, for more than 10 items, the scroll bar; never narrower
// than the box, never past the right edge of the screen. Other kinds are
// left alone.
void ComboDropWidth(Runtime::Control& combo);

} // namespace Common
