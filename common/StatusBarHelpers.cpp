#include "common/StatusBarHelpers.h"

#include "runtime/StatusBar.h"

namespace Common {

int StatusPanelAt(const Runtime::Control& statusBar, int x, bool clamp)
{
    const auto* bar = dynamic_cast<const Runtime::StatusBar*>(&statusBar);
    if (!bar) return 0;
    const auto& panels = bar->Panels();
    const int count = panels.Count();
    if (count == 0) return 0;
    const int first = panels(1).Left();
    int left = first;
    for (int i = 1; i <= count; ++i) {
        const int width = panels(i).Width();
        if (x >= left && x <= left + width) return i;
        left += width;
    }
    if (!clamp) return 0;
    return x < first ? 1 : count;
}

HWND StatusBarHandle(const Runtime::Control& statusBar)
{
    return dynamic_cast<const Runtime::StatusBar*>(&statusBar) ? statusBar.hWnd() : nullptr;
}

} // namespace Common
