#pragma once
// The main window of the benchmarks that measure a running window: loaded
// and shown as the program starts it, with its first messages handled.
#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "mainwin/fwMain.h"
#include "runtime/Pump.h"

namespace Bench {

// The shown window, or nothing when start-up refused to run.
inline std::unique_ptr<fwMain> ShownMainWindow()
{
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    auto window = std::make_unique<fwMain>();
    if (!window->Load()) return nullptr;
    window->Show();
    Runtime::DoEvents();
    return window;
}

} // namespace Bench
