#pragma once
// Driving the search frame of a loaded main window as a user would: keys
// and characters sent to the boxes' own windows, and the state a test reads
// back (the message panel and the history).
#include <string>
#include <vector>

#include "tests/mainwin/LoadedMain.h"

namespace MainWinTest {

// Sends each character to an edit window as typed (WM_CHAR).
void TypeChars(HWND edit, const std::wstring& text);

// Sends a key down with the given modifiers held (Runtime::CtrlMask, ...),
// as the keyboard state reports them, then its character when it has one.
void PressKey(HWND edit, int virtualKey, int shift = 0);

// The text of the "Message" panel.
std::wstring MessageText(LoadedMain& window);

// The search history, newest first.
std::vector<std::wstring> History(LoadedMain& window);

// Sets the search box's text and clicks the search button.
void Search(LoadedMain& window, const std::wstring& text);

// Clicks the search button (a disabled one ignores the click).
void ClickSearch(LoadedMain& window);

} // namespace MainWinTest
