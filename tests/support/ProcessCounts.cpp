#include "tests/support/ProcessCounts.h"

#include <windows.h>
#include <tlhelp32.h>

#include "runtime/ScopedWin.h"

namespace TestSupport {

int ThreadCount()
{
    Runtime::ScopedHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
    if (!snapshot.Valid()) return -1;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    int count = 0;
    for (BOOL more = Thread32First(snapshot.Get(), &entry); more; more = Thread32Next(snapshot.Get(), &entry))
        if (entry.th32OwnerProcessID == GetCurrentProcessId()) ++count;
    return count;
}

int HandleCount()
{
    // Handle values are multiples of 4, the lowest free one given first, so
    // the process's table ends where a long run of values answers nothing.
    // (The system-wide handle table would tell the same, but under Wine
    // asking for it while other processes start and end can bring Wine's
    // server down, and every Wine process with it.)
    constexpr int kEndRun = 4096;
    int count = 0;
    int missed = 0;
    for (ULONG_PTR value = 4; missed < kEndRun; value += 4) {
        DWORD flags = 0;
        if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) {
            ++count;
            missed = 0;
        } else {
            ++missed;
        }
    }
    return count;
}

} // namespace TestSupport
