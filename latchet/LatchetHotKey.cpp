// The hot key of the Latchet control: its properties, the key names of
// HotKeyChar and the registration on the hooked window.
#include "latchet/Latchet.h"

#include <string>

#include "latchet/KeyNames.h"
#include "runtime/ComVariant.h"

namespace {

enum : DISPID {
    kHotKeyWinId = 0x68030006,
    kHotKeyShiftId = 0x68030007,
    kHotKeyCtrlId = 0x68030008,
    kHotKeyCodeId = 0x6803000A,
    kHotKeyAltId = 0x6803000B,
};

const wchar_t kSource[] = L"Latchet";

// The byte of `c` in the system's ANSI code page (its first byte).
unsigned char AnsiCode(wchar_t c)
{
    char bytes[4] = {};
    if (WideCharToMultiByte(CP_ACP, 0, &c, 1, bytes, sizeof bytes, nullptr, nullptr) < 1) return '?';
    return static_cast<unsigned char>(bytes[0]);
}

// The character of an ANSI code.
wchar_t AnsiChar(unsigned char code)
{
    char byte = static_cast<char>(code);
    wchar_t c = 0;
    if (code == 0 || MultiByteToWideChar(CP_ACP, 0, &byte, 1, &c, 1) != 1) return static_cast<wchar_t>(code);
    return c;
}

} // namespace

int Latchet::ModifierSum() const noexcept
{
    return (hotKeyAlt_ ? MOD_ALT : 0) + (hotKeyCtrl_ ? MOD_CONTROL : 0) + (hotKeyShift_ ? MOD_SHIFT : 0) +
           (hotKeyWin_ ? MOD_WIN : 0);
}

void Latchet::RegisterHotKey()
{
    UnregisterHotKey();
    if (hotKeyCode_ == 0) return;
    int modifiers = ModifierSum();
    std::string name = std::to_string(hotKeyCode_) + "." + std::to_string(modifiers);
    ATOM id = GlobalAddAtomA(name.c_str());
    if (!id) return;
    HWND window = HookedWindow();
    if (!::RegisterHotKey(window, id, static_cast<UINT>(modifiers), static_cast<UINT>(hotKeyCode_))) {
        // Taken elsewhere: the control holds no hot key, and no atom either.
        GlobalDeleteAtom(id);
        return;
    }
    hotKeyId_ = id;
    hotKeyWindow_ = window;
}

void Latchet::UnregisterHotKey()
{
    if (!hotKeyId_) return;
    // The window it was registered on, which may no longer be the hooked one.
    ::UnregisterHotKey(hotKeyWindow_, hotKeyId_);
    GlobalDeleteAtom(hotKeyId_);
    hotKeyId_ = 0;
    hotKeyWindow_ = nullptr;
}

HRESULT Latchet::LetHotKeyFlag(bool& field, VARIANT_BOOL value, DISPID id)
{
    bool flag = value != VARIANT_FALSE;
    if (flag == field) return S_OK;
    field = flag;
    PropertyChanged(id);
    if (UserMode()) RegisterHotKey();
    return S_OK;
}

STDMETHODIMP Latchet::get_HotKeyAlt(VARIANT_BOOL* value) { return Runtime::OutFlag(hotKeyAlt_, value); }

STDMETHODIMP Latchet::put_HotKeyAlt(VARIANT_BOOL value) { return LetHotKeyFlag(hotKeyAlt_, value, kHotKeyAltId); }

STDMETHODIMP Latchet::get_HotKeyCtrl(VARIANT_BOOL* value) { return Runtime::OutFlag(hotKeyCtrl_, value); }

STDMETHODIMP Latchet::put_HotKeyCtrl(VARIANT_BOOL value) { return LetHotKeyFlag(hotKeyCtrl_, value, kHotKeyCtrlId); }

STDMETHODIMP Latchet::get_HotKeyShift(VARIANT_BOOL* value) { return Runtime::OutFlag(hotKeyShift_, value); }

STDMETHODIMP Latchet::put_HotKeyShift(VARIANT_BOOL value)
{
    return LetHotKeyFlag(hotKeyShift_, value, kHotKeyShiftId);
}

STDMETHODIMP Latchet::get_HotKeyWin(VARIANT_BOOL* value) { return Runtime::OutFlag(hotKeyWin_, value); }

STDMETHODIMP Latchet::put_HotKeyWin(VARIANT_BOOL value) { return LetHotKeyFlag(hotKeyWin_, value, kHotKeyWinId); }

STDMETHODIMP Latchet::get_HotKeyCode(KeyCodeConst* value)
{
    if (!value) return E_POINTER;
    *value = static_cast<KeyCodeConst>(hotKeyCode_);
    return S_OK;
}

STDMETHODIMP Latchet::put_HotKeyCode(KeyCodeConst value)
{
    if (value == hotKeyCode_) return S_OK;
    hotKeyCode_ = value;
    PropertyChanged(kHotKeyCodeId);
    if (UserMode()) RegisterHotKey();
    return S_OK;
}

STDMETHODIMP Latchet::get_HotKeyChar(BSTR* value)
{
    if (!value) return E_POINTER;
    *value = nullptr;
    if (hotKeyCode_ < 0 || hotKeyCode_ > 255) return Runtime::ErrorResult(Runtime::Error(Runtime::ErrOverflow), kSource);
    auto code = static_cast<unsigned char>(hotKeyCode_);
    std::wstring name = LatchetKeys::KeyDisplayName(code).value_or(std::wstring(1, AnsiChar(code)));
    *value = Runtime::AllocBstr(name);
    return *value ? S_OK : E_OUTOFMEMORY;
}

STDMETHODIMP Latchet::put_HotKeyChar(BSTR value)
{
    std::wstring name = Runtime::BstrText(value);
    if (name.empty()) return Runtime::ErrorResult(Runtime::Error(Runtime::ErrInvalidCall), kSource);
    std::wstring lower = name;
    CharLowerBuffW(lower.data(), static_cast<DWORD>(lower.size()));
    int code;
    if (auto named = LatchetKeys::KeyCodeOfName(lower)) {
        code = *named;
    } else {
        wchar_t first = name[0];
        CharUpperBuffW(&first, 1);
        code = AnsiCode(first);
    }
    return put_HotKeyCode(static_cast<KeyCodeConst>(code));
}
