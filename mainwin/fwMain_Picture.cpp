// The picture options: size, style and colours of the large view and of
// the copy picture, and the undo text of the size box.
#include "mainwin/fwMain.h"

#include <algorithm>
#include <cmath>

#include "common/ControlProbes.h"
#include "common/EditFields.h"
#include "common/EditKeys.h"
#include "common/Val.h"

namespace {

// The largest size the copy picture is drawn at, in points: larger ones
// would ask for pictures and glyph bitmaps far beyond any use.
constexpr double kMaxPictureSize = 500;

bool StyleChecked(const std::vector<std::unique_ptr<Runtime::CheckBox>>& boxes, size_t index)
{
    return index < boxes.size() && boxes[index]->Value() == 1;
}

} // namespace

void fwMain::cbPicture_MouseUp(const Runtime::MouseArgs& args)
{
    if (args.Button == Runtime::ButtonRight) PopEditMenu(cbPicture, false);
}

void fwMain::cbPicture_KeyDown(int& keyCode, int shift)
{
    PrevPictureText = cbPicture.Text();
    if (Common::EditKeyCommand(keyCode, shift) == Common::EditUndo) {
        UndoBoxText(cbPicture);
        keyCode = 0;
    }
}

void fwMain::chPicture_Click(int)
{
    cbPicture_Change();
}

// The size typed is shown in the view when the font fits there at that
// size, else the largest size that fits, with that size as a hint beside
// the box; the copy picture is drawn at the size typed, and at 500 points
// for any size above that. A size of 0 (or no size) is not taken: the copy
// picture then uses the view's size.
void fwMain::cbPicture_Change()
{
    if (EventsBusy > 0) return;
    if (Common::FilterChars(cbPicture, L"0123456789")) return;
    const std::wstring text = cbPicture.Text();
    if (text != PrevPictureText) cbPicture.Tag = PrevPictureText;

    // Digits only: at most a long run of them, which Val reads as a huge number.
    const double size = text.empty() ? 0 : Common::Val(text);
    Runtime::FontSpec view = pbView.Font();
    if (size >= 2 && size <= ViewFontSize) {
        view.Size = size;
        tlPicture2.SetCaption(L"");
    } else if (ViewFontSize > 0) {
        view.Size = ViewFontSize;
        tlPicture2.SetCaption(L"(" + std::to_wstring(ViewFontSize) + L")");
    }
    view.Bold = StyleChecked(chPicture, 0);
    view.Weight = view.Bold ? FW_BOLD : FW_NORMAL;
    view.Italic = StyleChecked(chPicture, 1);
    view.Underline = StyleChecked(chPicture, 2);
    view.Strikethrough = StyleChecked(chPicture, 3);
    pbView.SetFont(view);
    tlView.SetFont(view);

    Runtime::FontSpec copy = pbCopy.Font();
    Common::CopyFont(view, copy);
    if (size >= 1) copy.Size = std::min(size, kMaxPictureSize);
    pbCopy.SetFont(copy);

    const int lineHeight = pbView.TextHeight(L"W");
    tlView.Move(0, (pbView.ScaleHeight() - lineHeight) / 2, pbView.ScaleWidth(), lineHeight);
    SizePatternPictures();
}

void fwMain::bbPicture_Click(int index)
{
    MSWinDialog.SetFlags(Runtime::ColorDialog::RgbInit);
    MSWinDialog.SetColor(index == 0 ? tlView.ForeColor() : tlView.BackColor());
    try {
        MSWinDialog.ShowColor();
    } catch (const Runtime::Error&) {
        return; // a dialog that fails changes nothing
    }
    const Runtime::OleColor color = MSWinDialog.Color();
    if (index == 0) {
        tlView.SetForeColor(color);
        pbCopy.SetForeColor(color);
    } else {
        tlView.SetBackColor(color);
        pbView.SetBackColor(color);
        pbCopy.SetBackColor(color);
    }
}
