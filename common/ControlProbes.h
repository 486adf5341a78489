#pragma once
// Questions about any control that never fail: the answer is "no" when the
// control lacks the member.
#include "runtime/Control.h"
#include "runtime/Font.h"

namespace Common {

// True when the control sits in a container (every control on a form does;
// a form itself does not).
bool HasContainer(const Runtime::Control& control);
// True when the control is a member of a control array.
bool HasIndex(const Runtime::Control& control);
// True when the control owns a window.
bool HasHwnd(const Runtime::Control& control);

// Copies name, size, weight (when above 0), character set, bold, italic,
// underline and strikethrough; bold set after the weight wins over it.
void CopyFont(const Runtime::FontSpec& source, Runtime::FontSpec& target);

} // namespace Common
