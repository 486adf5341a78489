#include "mainwin/CharMapDriver.h"

#include "common/WindowUtil.h"

namespace CharMapDriver {

namespace {

// The time left of one drive: each message to Character Map may take what
// the messages before it left over, so a slow program holds this window for
// the drive's limit at most, not for that limit per message.
class Deadline {
public:
    explicit Deadline(DWORD limitMs) : start_(GetTickCount64()), limit_(limitMs) {}
    DWORD Left() const
    {
        const ULONGLONG spent = GetTickCount64() - start_;
        return spent >= limit_ ? 0 : static_cast<DWORD>(limit_ - spent);
    }

private:
    ULONGLONG start_;
    ULONGLONG limit_;
};

// False when Character Map did not answer in the time left.
bool Ask(const Deadline& deadline, HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& answer)
{
    const DWORD left = deadline.Left();
    if (left == 0) return false;
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(wnd, msg, wParam, lParam, SMTO_ABORTIFHUNG, left, &result)) return false;
    answer = static_cast<LRESULT>(result);
    return true;
}

} // namespace

HWND FindCharMap()
{
    return FindWindowW(nullptr, L"Character Map");
}

HWND FindFontCombo(HWND charMap)
{
    if (!charMap) return nullptr;
    HWND label = Common::FindWindow(charMap, L"&Font :", L"Static");
    if (!label) return nullptr;
    HWND combo = GetWindow(label, GW_HWNDNEXT);
    if (!combo || _wcsicmp(Common::GetWindowInfo(combo, L"Class").c_str(), L"ComboBox") != 0) return nullptr;
    return combo;
}

bool SelectFont(HWND charMap, const std::wstring& fontName, DWORD limitMs)
{
    if (fontName.empty()) return false;
    HWND combo = FindFontCombo(charMap);
    if (!combo) return false;
    const Deadline deadline(limitMs);
    // The exact name: selecting by its beginning could pick a longer name
    // ("Arial Black" for "Arial") when the font itself is not listed.
    LRESULT index = CB_ERR;
    if (!Ask(deadline, combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
             reinterpret_cast<LPARAM>(fontName.c_str()), index) ||
        index == CB_ERR)
        return false;
    LRESULT selected = CB_ERR;
    if (!Ask(deadline, combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0, selected) || selected == CB_ERR)
        return false;
    // A selection set by message raises no notification; Character Map
    // updates its view on the one the combo box sends for the user's choice.
    // Unanswered, the font is chosen in the box but not yet shown.
    LRESULT ignored = 0;
    const WPARAM command = MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE);
    return Ask(deadline, GetParent(combo), WM_COMMAND, command, reinterpret_cast<LPARAM>(combo), ignored);
}

} // namespace CharMapDriver
