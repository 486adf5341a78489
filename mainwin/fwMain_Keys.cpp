// The window's own keys, seen before the focused control (key preview):
// F1 shows the focused control's help topic, F3 finds the next name match,
// Alt+Enter opens the font file's property sheet, Alt and a top-row digit
// chooses an output form. The key still reaches the focused control.
#include "mainwin/fwMain.h"

#include <cmath>

#include "common/Geometry.h"
#include "runtime/HelpPopup.h"

void fwMain::Form_KeyDown(int& keyCode, int shift)
{
    Runtime::Control* active = ActiveControl();
    if (keyCode == VK_F1 && active && active->WhatsThisHelpID > 0) {
        // The topic shows where the pointer is: at the control's corner.
        const double tx = Runtime::TwipsPerPixelX(), ty = Runtime::TwipsPerPixelY();
        SetCursorPos(static_cast<int>(std::lround(Common::ControlLeft(*active) / tx)),
                     static_cast<int>(std::lround(Common::ControlTop(*active) / ty)));
        Runtime::ShowWhatsThis(*active);
        return;
    }
    if (keyCode == VK_F3 && SearchCursor >= 1) {
        bbSearch_Click();
        return;
    }
    const bool alt = (shift & Runtime::AltMask) != 0;
    if (keyCode == VK_RETURN && alt) {
        bbFont_Click();
        return;
    }
    // Top-row digits only: 0-9 reach the first ten forms. The focus does
    // the choosing: an option that cannot take it (hidden with its frame in
    // the compact mode) is left as it is.
    if (alt && keyCode >= '0' && keyCode <= '9') {
        const auto index = static_cast<std::size_t>(keyCode - '0');
        if (index >= obFormat.size() || !obFormat[index]->Enabled()) return;
        Runtime::OptionButton& option = *obFormat[index];
        option.SetFocus();
        if (option.HasFocus() && !option.Value()) option.SetValue(true);
    }
}
