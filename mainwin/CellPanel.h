#pragma once
// The panel that draws the character table's cells. Unlike other picture
// boxes a press does not take the focus: a cell click selects the cell
// first and then gives the panel the focus itself, so the panel's got-focus
// handler does not select the cell a second time.
#include "runtime/PictureBox.h"

class CellPanel : public Runtime::PictureBox {
public:
    CellPanel(Runtime::Form* form, Runtime::Control* container, std::wstring name)
        : PictureBox(form, container, std::move(name))
    {
        FocusOnPress = false;
    }
};
