#pragma once
// The base of kinds whose windows do not report clicks themselves (picture
// box, frame, image): a left press and its release inside the window raise
// MouseDown, MouseUp and then Click; the second press of a double click
// raises DblClick, and its release MouseUp only.
#include "runtime/Control.h"

namespace Runtime {

class ClickableControl : public Control {
protected:
    using Control::Control;
    // Handles the left button's messages; a kind calls it first from OnMessage.
    bool HandleClickMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Whether a left press takes the focus first (a picture box does).
    bool FocusOnPress = false;

private:
    bool pressed_ = false;
};

} // namespace Runtime
