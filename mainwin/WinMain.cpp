// Entry point of the main program: the main window is the start-up object,
// and the program runs for as long as it is open.
#include <windows.h>
#include <commctrl.h>

#include "mainwin/fwMain.h"
#include "runtime/Pump.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);

    fwMain window;
    if (!window.Load()) return 0; // start-up refused the system
    window.Show();
    return Runtime::RunMessageLoop();
}
