#pragma once
// A control server's DllCanUnloadNow, called as a host calls it before it
// lets go of the server's load.
#include <windows.h>

namespace TestSupport {

// What the server loaded as `module` answers; E_FAIL when there is no
// module or it has no such entry.
inline HRESULT ServerCanUnloadNow(HMODULE module)
{
    using EntryCanUnload = HRESULT(STDAPICALLTYPE*)();
    auto canUnload =
        module ? reinterpret_cast<EntryCanUnload>(GetProcAddress(module, "DllCanUnloadNow")) : nullptr;
    return canUnload ? canUnload() : E_FAIL;
}

} // namespace TestSupport
