// Keeps one hidden window alive in the test prefix for as long as it runs,
// so that Wine's desktop and services stay up between test processes.
// "winekeep --wait" instead waits until that window exists (at most 30 s).
#include <windows.h>

namespace {
const wchar_t kTitle[] = L"orlenta-winekeep";
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int)
{
    if (commandLine && lstrcmpW(commandLine, L"--wait") == 0) {
        for (int i = 0; i < 1500; ++i) {
            if (FindWindowW(L"Static", kTitle)) return 0;
            Sleep(20);
        }
        return 1;
    }
    HWND wnd = CreateWindowExW(0, L"Static", kTitle, 0, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    if (!wnd) return 1;
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return 0;
}
