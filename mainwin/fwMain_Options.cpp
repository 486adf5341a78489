// The output options: the form chosen by obFormat, which controls go with
// it, the code-page and entity combo boxes.
#include "mainwin/fwMain.h"

#include <algorithm>
#include <cmath>

#include "common/ComboDropWidth.h"
#include "common/Val.h"
#include "mainwin/ReadOnlyKeys.h"

namespace {

constexpr int kEnter = 13;

bool UsesPictureOptions(int format)
{
    return format == static_cast<int>(CharData::OutputFormat::RTF) ||
           format == static_cast<int>(CharData::OutputFormat::Picture);
}

} // namespace

void fwMain::obFormat_Click(int index)
{
    using CharData::OutputFormat;
    CopyFormat = index;
    const bool picture = UsesPictureOptions(index);
    cbPicture.SetEnabled(picture);
    for (auto& style : chPicture) style->SetEnabled(picture);
    bbPicture[0]->SetEnabled(picture);
    bbPicture[1]->SetEnabled(index == static_cast<int>(OutputFormat::Picture));
    cbCharSet.SetEnabled(index == static_cast<int>(OutputFormat::CodePage));
    cbEntity.SetEnabled(index == static_cast<int>(OutputFormat::SGML) && cbEntity.ListCount() > 0);

    const bool editable = index >= 0 && index <= static_cast<int>(OutputFormat::Picture);
    tbCopy.SetEnabled(editable);
    tbCopy.SetBackColor(editable ? Runtime::ColorWindow : Runtime::ColorButtonFace);
    if (!editable) {
        // The box shows the character whose entity is copied.
        const double code = Common::Val(tlCell[CurrentCell].Tag);
        if (!tlCell[CurrentCell].Tag.empty() && code >= 0 && code <= 0xFFFF && code == std::floor(code)) {
            CopyNotTyped = true;
            tbCopy.SetText(std::wstring(1, static_cast<wchar_t>(code)));
            // An unchanged text raises no change: the flag must not stay
            // for the next box's typing.
            CopyNotTyped = false;
        }
    }
    chPreview_Click();
    UpdatePreview();
}

void fwMain::cbCharSet_DropButtonClick()
{
    Common::ComboDropWidth(cbCharSet);
}

// The preview takes the new code page's character set, and shows the bytes
// of that code page: what Copy would now write.
void fwMain::cbCharSet_Click()
{
    chPreview_Click();
    if (CopyFormat == static_cast<int>(CharData::OutputFormat::CodePage)) UpdatePreview();
}

void fwMain::cbEntity_DropButtonClick()
{
    Common::ComboDropWidth(cbEntity);
    // The mark column is as wide as "ie" and a margin, in points.
    const int dpi = Runtime::ScreenDpiX();
    const int mark = static_cast<int>(std::lround((TextWidth(L"ie") + 12) * 72.0 / (dpi > 0 ? dpi : 96)));
    cbEntity.SetColumnWidths(std::to_wstring(std::max(cbEntity.ListWidth() - mark, 1)) + L";" +
                             std::to_wstring(mark));
}

void fwMain::cbEntity_MouseUp(const Runtime::MouseArgs& args)
{
    if (args.Button == Runtime::ButtonRight) PopEditMenu(cbEntity, true);
}

void fwMain::cbEntity_KeyDown(int& keyCode, int shift)
{
    entityKeySwallowed_ = !ReadOnlyKeyPasses(keyCode, shift, kEnter);
    if (entityKeySwallowed_) keyCode = 0;
}

void fwMain::cbEntity_Click()
{
    const int row = cbEntity.ListIndex();
    tlEntity.SetCaption(row >= 0 ? cbEntity.List(row, 1) : std::wstring());
}

void fwMain::chView_Click()
{
    if (EventsBusy > 0) return;
    ibView.SetVisible(chView.Value() == 1 && chView.Enabled());
}
