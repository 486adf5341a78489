// The copy box, the clipboard preview and the Copy button: the characters
// collected in tbCopy, shown in the chosen output form, and handed to the
// clipboard in that form.
#include "mainwin/fwMain.h"

#include "chardata/CopyPicture.h"
#include "chardata/FormBytes.h"
#include "chardata/FormDisplay.h"
#include "chardata/RichTextCopy.h"
#include "common/ComboDropWidth.h"
#include "common/EditKeys.h"
#include "mainwin/ReadOnlyKeys.h"

namespace {

constexpr int kTab = 9;
constexpr int kNumpad0 = 96, kNumpad9 = 105;

// Alt with a keypad digit while Num Lock is on: the start of a character
// typed by its code.
bool IsAltKeypadDigit(int keyCode, int shift)
{
    return (GetKeyState(VK_NUMLOCK) & 0xFF) == 1 && keyCode >= kNumpad0 && keyCode <= kNumpad9 &&
           shift == Runtime::AltMask;
}

} // namespace

void fwMain::tbCopy_KeyDown(int& keyCode, int shift)
{
    if (IsAltKeypadDigit(keyCode, shift)) CopyNotTyped = true;
    PrevCopyText = tbCopy.Text();
    if (Common::EditKeyCommand(keyCode, shift) == Common::EditUndo) {
        UndoBoxText(tbCopy);
        keyCode = 0; // the box's own undo would take the change back again
    }
}

void fwMain::tbCopy_BeforeDropOrPaste()
{
    CopyNotTyped = true;
}

// Typed characters are kept as the keyboard layout produced them: the box
// is a Unicode window, so a character typed on any layout is already the
// right one, and so are pasted, dropped and Alt+keypad characters and the
// program's own writes.
void fwMain::tbCopy_Change()
{
    if (EventsBusy > 0) return;
    const std::wstring text = tbCopy.Text();
    if (text != PrevCopyText) tbCopy.Tag = PrevCopyText;
    CopyNotTyped = false;
    bbCopy.SetEnabled(!text.empty());
    UpdatePreview();
}

void fwMain::tbCopy_MouseUp(const Runtime::MouseArgs& args)
{
    if (args.Button == Runtime::ButtonRight) PopEditMenu(tbCopy, false);
}

void fwMain::bbReset_Click()
{
    tbCopy.SetText(L"");
}

void fwMain::cbPreview_DropButtonClick()
{
    Common::ComboDropWidth(cbPreview);
}

void fwMain::cbPreview_MouseUp(const Runtime::MouseArgs& args)
{
    if (args.Button == Runtime::ButtonRight) PopEditMenu(cbPreview, true);
}

void fwMain::cbPreview_KeyDown(int& keyCode, int shift)
{
    previewKeySwallowed_ = !ReadOnlyKeyPasses(keyCode, shift, kTab);
    if (previewKeySwallowed_) keyCode = 0;
}

void fwMain::cbPreview_Click()
{
    if (cbPreview.ListCount() > 0 && cbPreview.ListIndex() != 0) cbPreview.SetListIndex(0);
}

void fwMain::chPreview_Click()
{
    Runtime::FontSpec font = cbPreview.Font();
    if (chPreview.Value() != 1 || CopyFormat == static_cast<int>(CharData::OutputFormat::UTF8))
        font.Charset = Font().Charset;
    else
        font.Charset = SelectedCodePageColumn(2);
    if (!(font == cbPreview.Font())) cbPreview.SetFont(font);
}

void fwMain::bbCopy_Click()
{
    using CharData::OutputFormat;
    const CharData::ClipboardWait wait = CopyClipboardWait();
    const auto format = static_cast<OutputFormat>(CopyFormat);
    switch (format) {
    case OutputFormat::Unicode: {
        // The box's whole text, selected as the user sees it copied.
        const std::wstring text = tbCopy.Text();
        tbCopy.SetFocus();
        tbCopy.SetSelStart(0);
        tbCopy.SetSelLength(static_cast<int>(text.size()));
        if (!text.empty()) CharData::SetClipboardText(text, wait);
        break;
    }
    case OutputFormat::RTF:
        CharData::CopyPreviewRTF(RtfBox(), FormatCopyText(), pbView.Font(), tlView.ForeColor(), wait);
        break;
    case OutputFormat::Picture:
        CharData::CopyPicture(pbCopy, tbCopy.Text(), wait);
        break;
    case OutputFormat::SGML:
        // The entity chosen for the selected character, not the copy box.
        CharData::SetClipboardText(CharData::FormBytes(cbEntity.Text(), 0), 1, wait);
        break;
    default:
        if (format >= OutputFormat::PercentEscape && format <= OutputFormat::CharName)
            CharData::SetClipboardText(FormatCopyText(), 1, wait);
        break;
    }
}

void fwMain::UpdatePreview()
{
    CharData::UpdatePreview(cbPreview, chPreview, tbCopy.Text(), CopyFormContext());
}

std::string fwMain::FormatCopyText()
{
    return CharData::FormatCopyText(tbCopy.Text(), CopyFormContext());
}

CharData::FormContext fwMain::CopyFormContext() const
{
    return CharData::SystemFormContext(static_cast<CharData::OutputFormat>(CopyFormat), SelectedCodePageColumn(1),
                                       [this](int code) { return std::wstring(CharNames.GetCharName(code)); });
}

int fwMain::SelectedCodePageColumn(int column) const
{
    int row = cbCharSet.ListIndex();
    if (row < 0) return 0;
    try {
        return std::stoi(cbCharSet.List(row, column));
    } catch (...) {
        return 0;
    }
}

CharData::ClipboardWait fwMain::CopyClipboardWait()
{
    // The wait outlives nothing: it asks the window, not this object, whether
    // the copy may go on.
    const HWND window = hWnd();
    CharData::ClipboardWait wait;
    wait.StillAlive = [window] { return IsWindow(window) != FALSE; };
    wait.Message = [this, window](const std::wstring& text) {
        if (!IsWindow(window) || pbStatus.size() < 2) return;
        if (Runtime::Panel* panel = pbStatus[1]->Panels().Find(L"Message")) panel->SetText(text);
    };
    return wait;
}

// The hidden rich text box that formats RTF copies. Its window, and with it
// the rich edit library, is made only when a copy first needs it; its font
// follows the selected font before and after.
Runtime::RichTextBox& fwMain::RtfBox()
{
    if (!tbRTF.hWnd()) {
        tbRTF.SetVisible(false);
        tbRTF.Create(-200, -200, 100, 50);
        tbRTF.SetWordWrap(false); // nobody reads its lines
    }
    return tbRTF;
}
