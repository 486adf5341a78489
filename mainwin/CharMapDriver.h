#pragma once
// Driving the system Character Map to a font: its window is titled
// "Character Map", and its font combo box is the window right after the
// "&Font :" label.
#include <windows.h>

#include <string>

namespace CharMapDriver {

// The top-level "Character Map" window, or null.
HWND FindCharMap();

// The font combo box of the Character Map window `charMap`: the window next
// to the "&Font :" label in z-order, when that is a combo box; else null.
HWND FindFontCombo(HWND charMap);

// Character Map is another program: a slow or hung one holds this window
// for this long at most, for the whole drive.
constexpr DWORD kDriveLimitMs = 2000;

// Selects the font named `fontName` (the whole name) in Character Map's
// combo box and tells Character Map, as the user's own choice would. Sends
// nothing and returns false when there is no font name, no label, no combo
// box after it, or no such font in it; returns false too when Character Map
// has not answered every message within `limitMs` in all.
bool SelectFont(HWND charMap, const std::wstring& fontName, DWORD limitMs = kDriveLimitMs);

} // namespace CharMapDriver
