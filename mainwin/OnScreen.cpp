#include "mainwin/OnScreen.h"

RECT BringOntoMonitor(const RECT& r)
{
    return OffEveryMonitor(r) ? FitIntoWorkArea(r) : r;
}

bool OffEveryMonitor(const RECT& r)
{
    return MonitorFromRect(&r, MONITOR_DEFAULTTONULL) == nullptr;
}

RECT FitIntoWorkArea(const RECT& r)
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &info)) return r;
    const RECT& area = info.rcWork;
    LONG width = r.right - r.left, height = r.bottom - r.top;
    LONG left = r.left, top = r.top;
    if (left + width > area.right) left = area.right - width;
    if (top + height > area.bottom) top = area.bottom - height;
    if (left < area.left) left = area.left;
    if (top < area.top) top = area.top;
    return RECT{left, top, left + width, top + height};
}
