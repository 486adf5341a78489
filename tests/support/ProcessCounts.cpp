#include "tests/support/ProcessCounts.h"

#include <windows.h>
#include <tlhelp32.h>

#include <algorithm>
#include <vector>

#include "runtime/ScopedWin.h"

namespace TestSupport {

namespace {

// The layout of the system's handle table (class 16 of
// NtQuerySystemInformation): a count, then one entry per handle.
struct HandleEntry {
    ULONG processId;
    BYTE objectType;
    BYTE flags;
    USHORT handle;
    void* object;
    ACCESS_MASK access;
};
struct HandleTable {
    ULONG count;
    HandleEntry entries[1];
};

using QuerySystemInformation = LONG(WINAPI*)(ULONG, void*, ULONG, ULONG*);
constexpr ULONG kSystemHandleInformation = 16;
constexpr LONG kInfoLengthMismatch = static_cast<LONG>(0xC0000004);

} // namespace

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
    auto query = reinterpret_cast<QuerySystemInformation>(
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation"));
    if (!query) return -1;
    std::vector<unsigned char> buffer(1 << 16);
    for (;;) {
        ULONG needed = 0;
        LONG status = query(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed);
        if (status == kInfoLengthMismatch) {
            buffer.resize(std::max<std::size_t>(buffer.size() * 2, needed + 4096));
            continue;
        }
        if (status < 0) return -1;
        break;
    }
    auto* table = reinterpret_cast<const HandleTable*>(buffer.data());
    int count = 0;
    for (ULONG i = 0; i < table->count; ++i)
        if (table->entries[i].processId == GetCurrentProcessId()) ++count;
    return count;
}

} // namespace TestSupport
