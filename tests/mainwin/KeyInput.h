#pragma once
// Keys as a window of the test thread receives them: the key-down message,
// the character the keyboard layout made of it, the key-up message; with
// the modifier keys held in the thread's keyboard state meanwhile, as
// handlers read them.
#include <windows.h>

namespace MainWinTest {

// Holds Shift, Ctrl and Alt (shift-state bits 1, 2, 4) down in the
// thread's keyboard state until it goes.
class HeldModifiers {
public:
    explicit HeldModifiers(int shift)
    {
        GetKeyboardState(saved_);
        BYTE state[256];
        GetKeyboardState(state);
        if (shift & 1) state[VK_SHIFT] = 0x80;
        if (shift & 2) state[VK_CONTROL] = 0x80;
        if (shift & 4) state[VK_MENU] = 0x80;
        SetKeyboardState(state);
    }
    ~HeldModifiers() { SetKeyboardState(saved_); }
    HeldModifiers(const HeldModifiers&) = delete;
    HeldModifiers& operator=(const HeldModifiers&) = delete;

private:
    BYTE saved_[256];
};

// One key with `shift` held: down, its character (none when 0), up. With
// Alt the key messages are the system ones, as the system sends them.
inline void PressKey(HWND wnd, int keyCode, int shift = 0, wchar_t character = 0)
{
    HeldModifiers held(shift);
    const bool alt = (shift & 4) != 0;
    SendMessageW(wnd, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, keyCode, alt ? 0x20000001 : 1);
    if (character) SendMessageW(wnd, alt ? WM_SYSCHAR : WM_CHAR, character, alt ? 0x20000001 : 1);
    SendMessageW(wnd, alt ? WM_SYSKEYUP : WM_KEYUP, keyCode, alt ? 0xE0000001 : 0xC0000001);
}

// A character typed on the keyboard (its key: the character's own code
// for letters and digits, else a key no handler treats specially).
inline void TypeChar(HWND wnd, wchar_t character)
{
    const int key = (character >= L'A' && character <= L'Z') || (character >= L'0' && character <= L'9')
                        ? character
                        : (character >= L'a' && character <= L'z' ? character - 32 : VK_OEM_1);
    PressKey(wnd, key, 0, character);
}

} // namespace MainWinTest
