#pragma once
// The About window: a modal window opened by the main window's About
// button. So far it holds no content; it closes with Esc or its caption
// button and stays above other windows exactly when the main window does.
#include "runtime/Form.h"

class fwAbout : public Runtime::Form {
public:
    fwAbout();

    // 1 when the main window is always on top, else 0; set before showing.
    int OnTop = 0;

protected:
    void CreateControls() override;
    void Form_Load() override;
    void Form_Activate() override;
    void Form_KeyDown(int& keyCode, int shift) override;
};
