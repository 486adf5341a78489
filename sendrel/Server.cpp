// In-process control server entry points. The server offers no class yet:
// the class factory reports every class as unavailable, and registration
// has nothing to write.
#include <windows.h>
#include <objbase.h>

STDAPI DllCanUnloadNow()
{
    return S_OK;
}

STDAPI DllGetClassObject(REFCLSID, REFIID, void** object)
{
    if (object) *object = nullptr;
    return CLASS_E_CLASSNOTAVAILABLE;
}

STDAPI DllRegisterServer()
{
    return S_OK;
}

STDAPI DllUnregisterServer()
{
    return S_OK;
}
