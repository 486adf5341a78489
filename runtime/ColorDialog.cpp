#include "runtime/ColorDialog.h"

#include <commdlg.h>

#include "runtime/Form.h"

namespace Runtime {

namespace {

COLORREF g_customColors[16] = {
    0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
    0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
};

ColorDialogAnswer& Answer()
{
    static ColorDialogAnswer answer;
    return answer;
}

UINT_PTR CALLBACK AnswerHook(HWND dialog, UINT msg, WPARAM, LPARAM)
{
    if (msg == WM_INITDIALOG && Answer()) {
        try {
            Answer()(dialog);
        } catch (...) {
            // Nothing crosses the dialog procedure.
        }
    }
    return 0; // the dialog handles every message itself
}

} // namespace

ColorDialog::ColorDialog(Form* form, Control* container, std::wstring name, int index)
    : Control(form, container, std::move(name), index)
{
}

void ColorDialog::ShowColor()
{
    CHOOSECOLORW cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = ParentForm() ? ParentForm()->hWnd() : nullptr;
    cc.rgbResult = ResolveColor(color_);
    cc.lpCustColors = g_customColors;
    cc.Flags = static_cast<DWORD>(flags_) & (CC_RGBINIT | CC_FULLOPEN | CC_PREVENTFULLOPEN | CC_SHOWHELP);
    if (Answer()) {
        cc.Flags |= CC_ENABLEHOOK;
        cc.lpfnHook = AnswerHook;
    }
    if (ChooseColorW(&cc)) {
        color_ = cc.rgbResult;
        return;
    }
    // CommDlgExtendedError() is 0 for a cancel; any other failure counts as one too.
    if (cancelError_) throw Error(ErrDialogCancelled, "Cancel was selected.");
}

OleColor ColorDialog::CustomColor(int index)
{
    if (index < 0 || index > 15) Raise(ErrSubscript);
    return g_customColors[index];
}

void ColorDialog::SetCustomColor(int index, OleColor color)
{
    if (index < 0 || index > 15) Raise(ErrSubscript);
    g_customColors[index] = ResolveColor(color);
}

ColorDialogAnswer SetColorDialogAnswer(ColorDialogAnswer answer)
{
    ColorDialogAnswer old = std::move(Answer());
    Answer() = std::move(answer);
    return old;
}

} // namespace Runtime
