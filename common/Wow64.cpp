#include "common/Wow64.h"

#include <windows.h>

namespace Common {

bool IsWow64()
{
    using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
    HMODULE kernel = GetModuleHandleA("kernel32");
    if (!kernel) return false;
    FARPROC proc = GetProcAddress(kernel, "IsWow64Process");
    if (!proc) return false;
    // Through a plain function pointer type: FARPROC has no parameters.
    auto isWow64Process = reinterpret_cast<IsWow64ProcessFn>(reinterpret_cast<void (*)()>(proc));
    BOOL wow64 = FALSE;
    return isWow64Process(GetCurrentProcess(), &wow64) && wow64;
}

} // namespace Common
