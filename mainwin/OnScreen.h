#pragma once
// Keeping a saved window place visible: a rectangle that lies on no monitor
// is moved onto the nearest one.
#include <windows.h>

// The rectangle moved (size kept, as far as it fits) into the work area of
// the monitor nearest to it, when it touches no monitor; else unchanged.
RECT BringOntoMonitor(const RECT& r);

// Whether the rectangle touches no monitor.
bool OffEveryMonitor(const RECT& r);

// The rectangle moved (size kept, as far as it fits) into the work area of
// the monitor nearest to it.
RECT FitIntoWorkArea(const RECT& r);
