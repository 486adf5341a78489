// The Character Map button: starts the system Character Map when it is not
// open, and once its window is there, selects the current font in it.
#include "mainwin/fwMain.h"

#include <shellapi.h>

#include "mainwin/CharMapDriver.h"

void fwMain::bbCharMap_Click()
{
    if (CharMapDriver::FindCharMap()) {
        toMSCharMap_Timer();
        return;
    }
    ShellExecuteW(hWnd(), L"open", CharMapPath.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    // Polls until the window appears (for good, when the start failed).
    toMSCharMap.SetEnabled(true);
}

void fwMain::toMSCharMap_Timer()
{
    HWND charMap = CharMapDriver::FindCharMap();
    if (!charMap) return;
    toMSCharMap.SetEnabled(false);
    SetForegroundWindow(charMap);
    // With no font chosen there is nothing to select.
    if (Runtime::ListItem* font = lvFont.SelectedItem()) CharMapDriver::SelectFont(charMap, font->Text());
}
