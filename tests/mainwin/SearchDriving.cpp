#include "tests/mainwin/SearchDriving.h"

#include <algorithm>

namespace MainWinTest {

namespace {

// Holds modifier keys down in this thread's keyboard state.
class HeldKeys {
public:
    explicit HeldKeys(int shift)
    {
        GetKeyboardState(saved_);
        BYTE state[256];
        std::copy(std::begin(saved_), std::end(saved_), state);
        if (shift & Runtime::ShiftMask) state[VK_SHIFT] = 0x80;
        if (shift & Runtime::CtrlMask) state[VK_CONTROL] = 0x80;
        if (shift & Runtime::AltMask) state[VK_MENU] = 0x80;
        SetKeyboardState(state);
    }
    ~HeldKeys() { SetKeyboardState(saved_); }
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

private:
    BYTE saved_[256]{};
};

} // namespace

void TypeChars(HWND edit, const std::wstring& text)
{
    for (wchar_t c : text) {
        const UINT key = static_cast<UINT>(VkKeyScanW(c) & 0xFF);
        SendMessageW(edit, WM_KEYDOWN, key, 1);
        SendMessageW(edit, WM_CHAR, c, 1);
        SendMessageW(edit, WM_KEYUP, key, 0xC0000001);
    }
    LoadedMain::Pump();
}

void PressKey(HWND edit, int virtualKey, int shift)
{
    HeldKeys held(shift);
    SendMessageW(edit, (shift & Runtime::AltMask) ? WM_SYSKEYDOWN : WM_KEYDOWN, virtualKey, 1);
    if (virtualKey == VK_RETURN && !(shift & Runtime::AltMask)) SendMessageW(edit, WM_CHAR, L'\r', 1);
    LoadedMain::Pump();
}

std::wstring MessageText(LoadedMain& window)
{
    return window->pbStatus[1]->Panels()(L"Message").Text();
}

std::vector<std::wstring> History(LoadedMain& window)
{
    std::vector<std::wstring> entries;
    for (int i = 0; i < window->cbSearch.ListCount(); ++i) entries.push_back(window->cbSearch.List(i));
    return entries;
}

void Search(LoadedMain& window, const std::wstring& text)
{
    window->cbSearch.SetText(text);
    ClickSearch(window);
}

void ClickSearch(LoadedMain& window)
{
    SendMessageW(window->bbSearch.hWnd(), BM_CLICK, 0, 0);
    LoadedMain::Pump();
}

} // namespace MainWinTest
