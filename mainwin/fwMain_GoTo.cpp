// The go-to box: a code point in hexadecimal or decimal, which goes to the
// character as soon as the box is full or on Enter.
#include "mainwin/fwMain.h"

#include "chardata/GoToTarget.h"
#include "common/EditFields.h"

namespace {

constexpr int kHexDigits = 4;    // FFFF
constexpr int kDecimalDigits = 5; // 65535

} // namespace

// A double click on the go-to option switches the base. The text is
// converted before the length limit changes, so that the change it raises
// does not take the converted text for a full box.
void fwMain::obSearch_DblClick(int index)
{
    if (index != 0) return;
    GoToHex = !GoToHex;
    obSearch[0]->SetCaption(GoToHex ? L"&Go to (Hex):" : L"&Go to (Dec):");
    tbGoTo.SetText(CharData::GoToTextInBase(tbGoTo.Text(), GoToHex));
    tbGoTo.SetMaxLength(GoToHex ? kHexDigits : kDecimalDigits);
}

void fwMain::tbGoTo_Change()
{
    if (Common::FilterChars(tbGoTo, GoToHex ? L"0123456789ABCDEF" : L"0123456789")) return;
    std::wstring text = tbGoTo.Text();
    if (!GoToHex && CharData::GoToBoxValue(text, false) > CharData::kCharCount - 1) {
        text.pop_back();
        tbGoTo.SetText(text);
        tbGoTo.SetSelStart(static_cast<int>(text.size()));
        return;
    }
    if (!text.empty()) {
        cbSearch.SetText(L"");
        tbSearch.SetText(L"");
    }
    if (static_cast<int>(text.size()) == tbGoTo.MaxLength()) {
        int enter = VK_RETURN;
        tbGoTo_KeyPress(enter);
    }
}

void fwMain::tbGoTo_KeyPress(int& keyAscii)
{
    if (keyAscii != VK_RETURN) return;
    keyAscii = 0;
    const std::wstring text = tbGoTo.Text();
    if (!text.empty()) GoToChar(CharData::GoToBoxValue(text, GoToHex));
}

// A number that was never confirmed goes when the focus leaves.
void fwMain::tbGoTo_LostFocus()
{
    if (EditPopupOpen) return;
    const std::wstring text = tbGoTo.Text();
    if (!text.empty() && CharData::GoToBoxValue(text, GoToHex) != GoToCode) tbGoTo.SetText(L"");
}
