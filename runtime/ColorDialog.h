#pragma once
// The colour part of the common dialog control: the system's colour dialog
// with Color in and out, its Flags, CancelError, and the sixteen custom
// colours, which the process keeps from one showing to the next.
#include <functional>

#include "runtime/Control.h"

namespace Runtime {

// Number of the run-time error a cancelled dialog raises with CancelError.
constexpr int ErrDialogCancelled = 32755; // "Cancel was selected."

class ColorDialog : public Control {
public:
    // The dialog flags; the values are those of the system dialog.
    enum : long { RgbInit = 0x1, FullOpen = 0x2, PreventFullOpen = 0x4, HelpButton = 0x8 };

    ColorDialog(Form* form, Control* container, std::wstring name, int index = -1);
    std::wstring TypeName() const override { return L"CommonDialog"; }

    OleColor Color() const noexcept { return color_; }
    void SetColor(OleColor color) noexcept { color_ = color; }
    long Flags() const noexcept { return flags_; }
    void SetFlags(long flags) noexcept { flags_ = flags; }
    bool CancelError() const noexcept { return cancelError_; }
    void SetCancelError(bool cancelError) noexcept { cancelError_ = cancelError; }

    // Shows the dialog, owned by the control's form, and waits for it. OK
    // takes the dialog's colour; Cancel leaves Color as it was and, with
    // CancelError, raises ErrDialogCancelled.
    void ShowColor();

    // The custom colours 0..15 (an index outside is the subscript error).
    static OleColor CustomColor(int index);
    static void SetCustomColor(int index, OleColor color);

private:
    OleColor color_ = 0; // black, as the control starts
    long flags_ = 0;
    bool cancelError_ = false;
};

// Test seam: while set, it is called with the dialog window once the
// dialog is up, and answers it (posts OK or Cancel, fills in a colour).
// Returns the previous one; an empty one leaves the dialog to the user.
using ColorDialogAnswer = std::function<void(HWND dialog)>;
ColorDialogAnswer SetColorDialogAnswer(ColorDialogAnswer answer);

} // namespace Runtime
