#include "tests/servers/MenuChooser.h"

#include <string>

namespace TestSupport {

namespace {

wchar_t gKey = 0;
bool gMenuSeen = false;
bool gKeyTyped = false;

BOOL CALLBACK FindMenu(HWND window, LPARAM found)
{
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (std::wstring(name) != L"#32768" || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

void CALLBACK ChooseInMenu(HWND, UINT, UINT_PTR, DWORD)
{
    HWND menu = nullptr; // this thread's popup menu, not another program's
    EnumThreadWindows(GetCurrentThreadId(), FindMenu, reinterpret_cast<LPARAM>(&menu));
    if (!menu) return;
    gMenuSeen = true;
    if (gKey && !gKeyTyped) {
        gKeyTyped = true;
        PostMessageW(menu, WM_CHAR, gKey, 0);
    } else {
        EndMenu();
    }
}

} // namespace

MenuChooser::MenuChooser(wchar_t key)
{
    gKey = key;
    gMenuSeen = false;
    gKeyTyped = false;
    timer_ = SetTimer(nullptr, 0, 20, ChooseInMenu);
}

MenuChooser::~MenuChooser()
{
    KillTimer(nullptr, timer_);
}

bool MenuChooser::Seen() const
{
    return gMenuSeen;
}

} // namespace TestSupport
