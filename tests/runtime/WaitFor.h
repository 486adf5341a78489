#pragma once
// Waiting in tests without sleeping: process window messages until a
// condition holds or the time is up.
#include <windows.h>

#include "runtime/Pump.h"

namespace TestWait {

// True once `done()` holds; false when `timeoutMs` passed first.
template <typename F>
bool PumpUntil(F done, DWORD timeoutMs = 5000)
{
    DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        Runtime::DoEvents();
    }
    return true;
}

// Processes messages for the given time (for checks that something does NOT happen).
inline void PumpFor(DWORD ms)
{
    DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        Runtime::DoEvents();
    }
}

} // namespace TestWait
