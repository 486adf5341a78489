#pragma once
// Sizes and places of controls: size only on change, where a control is on
// the screen, and the border a container keeps around its client area.
#include "runtime/Control.h"

namespace Common {

// Sets the width, then the height, each only when it differs (pixels); a
// minimized form is left alone. An unchanged size raises no resize.
void SetSize(Runtime::Control& object, int width, int height);

enum Side : int { SideTop = 0, SideBottom = 1, SideLeft = 2, SideRight = 3 };

// The offset of the container's client area from its outer edge on one side
// (any other value counts as the left side), in twips.
int ContainerClient(const Runtime::Control& container, int side = SideLeft);

// The control's left and top edges on the screen, in twips.
int ControlLeft(const Runtime::Control& control);
int ControlTop(const Runtime::Control& control);

} // namespace Common
