#include "latchet/KeyNames.h"

namespace LatchetKeys {

namespace {

struct NamedKey {
    const wchar_t* name;
    int code;
};

// The names HotKeyChar accepts besides single characters.
const NamedKey kKeyNames[] = {
    {L"alt", 18}, {L"app", 93}, {L"bksp", 8}, {L"cancel", 3}, {L"capslock", 20}, {L"clear", 12},
    {L"ctrl", 17}, {L"del", 46}, {L"down", 40}, {L"end", 35}, {L"enter", 13}, {L"esc", 27},
    {L"exec", 43}, {L"f1", 112}, {L"f2", 113}, {L"f3", 114}, {L"f4", 115}, {L"f5", 116},
    {L"f6", 117}, {L"f7", 118}, {L"f8", 119}, {L"f9", 120}, {L"f10", 121}, {L"f11", 122},
    {L"f12", 123}, {L"f13", 124}, {L"f14", 125}, {L"f15", 126}, {L"f16", 127}, {L"help", 47},
    {L"home", 36}, {L"ins", 45}, {L"left", 37}, {L"num *", 106}, {L"num +", 107}, {L"num -", 109},
    {L"num .", 110}, {L"num /", 111}, {L"num 0", 96}, {L"num 1", 97}, {L"num 2", 98}, {L"num 3", 99},
    {L"num 4", 100}, {L"num 5", 101}, {L"num 6", 102}, {L"num 7", 103}, {L"num 8", 104},
    {L"num 9", 105}, {L"num enter", 108}, {L"numlock", 144}, {L"pause", 19}, {L"pgdn", 34},
    {L"pgup", 33}, {L"prtscr", 42}, {L"right", 39}, {L"scrolllock", 145}, {L"sel", 41},
    {L"shift", 16}, {L"snapshot", 44}, {L"space", 32}, {L"tab", 9}, {L"up", 38}, {L"winleft", 91},
    {L"winright", 92}, {L";", 186}, {L"=", 187}, {L",", 188}, {L"-", 189}, {L".", 190}, {L"/", 191},
    {L"`", 192}, {L"[", 219}, {L"\\", 220}, {L"]", 221}, {L"'", 222},
};

const NamedKey kDisplayNames[] = {
    {L"Cancel", 3}, {L"Bksp", 8}, {L"Tab", 9}, {L"Clear", 12}, {L"Enter", 13}, {L"Shift", 16},
    {L"Ctrl", 17}, {L"Alt", 18}, {L"Pause", 19}, {L"CapsLock", 20}, {L"Esc", 27}, {L"Space", 32},
    {L"PgUp", 33}, {L"PgDn", 34}, {L"End", 35}, {L"Home", 36}, {L"Left", 37}, {L"Up", 38},
    {L"Right", 39}, {L"Down", 40}, {L"Sel", 41}, {L"PrtScr", 42}, {L"Exec", 43}, {L"Snapshot", 44},
    {L"Ins", 45}, {L"Del", 46}, {L"Help", 47}, {L"WinLeft", 91}, {L"WinRight", 92}, {L"App", 93},
    {L"Num *", 106}, {L"Num +", 107}, {L"Num Enter", 108}, {L"Num -", 109}, {L"Num .", 110},
    {L"Num /", 111}, {L"NumLock", 144}, {L"ScrollLock", 145}, {L"Semicolon", 186}, {L"Equals", 187},
    {L"Comma", 188}, {L"Minus", 189}, {L"FullStop", 190}, {L"Slash", 191}, {L"Grave", 192},
    {L"LBracket", 219}, {L"Backslash", 220}, {L"RBracket", 221}, {L"Apostrophe", 222},
};

} // namespace

std::optional<int> KeyCodeOfName(std::wstring_view lowerName)
{
    for (const NamedKey& key : kKeyNames)
        if (lowerName == key.name) return key.code;
    return std::nullopt;
}

std::optional<std::wstring> KeyDisplayName(unsigned char code)
{
    if (code >= 48 && code <= 57) return std::wstring(1, static_cast<wchar_t>(code));
    if (code >= 65 && code <= 90) return std::wstring(1, static_cast<wchar_t>(code));
    if (code >= 96 && code <= 105) return L"Num " + std::wstring(1, static_cast<wchar_t>(L'0' + code - 96));
    if (code >= 112 && code <= 127) return L"F" + std::to_wstring(code - 111);
    for (const NamedKey& key : kDisplayNames)
        if (key.code == code) return std::wstring(key.name);
    return std::nullopt;
}

} // namespace LatchetKeys
