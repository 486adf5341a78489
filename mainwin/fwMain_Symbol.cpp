// The symbol box: a character typed, pasted or dropped into it goes to its
// own code point. The box is a Unicode window, so a typed character already
// is the one the keyboard layout produced and is taken as it stands, like
// pasted and dropped text.
#include "mainwin/fwMain.h"

// Every key selects the character shown, so that the next one typed
// replaces it.
void fwMain::tbSearch_KeyDown(int& /*keyCode*/, int /*shift*/)
{
    tbSearch.SetSelStart(0);
    tbSearch.SetSelLength(1);
}

void fwMain::tbSearch_Change()
{
    if (EventsBusy > 0) return;
    const std::wstring text = tbSearch.Text();
    if (text.empty()) return;
    cbSearch.SetText(L"");
    tbGoTo.SetText(L"");
    GoToChar(static_cast<std::int32_t>(static_cast<std::uint16_t>(text.front())));
}

void fwMain::tbSearch_LostFocus()
{
    if (EditPopupOpen) return;
    const std::wstring text = tbSearch.Text();
    if (!text.empty() && static_cast<std::int32_t>(static_cast<std::uint16_t>(text.front())) != GoToCode)
        tbSearch.SetText(L"");
}
