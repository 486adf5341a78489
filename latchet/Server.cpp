// The entry points of the Latchet control server: one class, Latchet, with
// its type library embedded as resource 1.
#include <windows.h>
#include <objbase.h>

#include "latchet/Latchet.h"
#include "runtime/ClassFactory.h"
#include "runtime/ComRegistration.h"
#include "runtime/ComServer.h"

namespace {

const Runtime::ControlClassInfo kClass{CLSID_Latchet, L"LatchetControl.Latchet", L"LatchetControl.Latchet",
                                       LIBID_LatchetControl, L"17.0"};

} // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void*)
{
    if (reason == DLL_PROCESS_ATTACH) {
        Runtime::ComServer::SetModule(instance);
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

STDAPI DllCanUnloadNow()
{
    return Runtime::ComServer::CanUnload() ? S_OK : S_FALSE;
}

STDAPI DllGetClassObject(REFCLSID classId, REFIID iid, void** object)
{
    return Runtime::GetClassObject(classId, CLSID_Latchet, &Latchet::Create, iid, object);
}

STDAPI DllRegisterServer()
{
    return Runtime::RegisterControlClass(kClass);
}

STDAPI DllUnregisterServer()
{
    return Runtime::UnregisterControlClass(kClass);
}
