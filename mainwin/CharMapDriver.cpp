#include "mainwin/CharMapDriver.h"

#include "common/WindowUtil.h"

namespace CharMapDriver {

namespace {

// Character Map is another program: a hung one must not hang this window.
constexpr UINT kAnswerMs = 2000;

bool Ask(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& answer)
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(wnd, msg, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerMs, &result)) return false;
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

bool SelectFont(HWND charMap, const std::wstring& fontName)
{
    if (fontName.empty()) return false;
    HWND combo = FindFontCombo(charMap);
    if (!combo) return false;
    // The exact name: selecting by its beginning could pick a longer name
    // ("Arial Black" for "Arial") when the font itself is not listed.
    LRESULT index = CB_ERR;
    if (!Ask(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(fontName.c_str()), index) ||
        index == CB_ERR)
        return false;
    LRESULT selected = CB_ERR;
    if (!Ask(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0, selected) || selected == CB_ERR) return false;
    // A selection set by message raises no notification; Character Map
    // updates its view on the one the combo box sends for the user's choice.
    LRESULT ignored = 0;
    const WPARAM command = MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE);
    Ask(GetParent(combo), WM_COMMAND, command, reinterpret_cast<LPARAM>(combo), ignored);
    return true;
}

} // namespace CharMapDriver
