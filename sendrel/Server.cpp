// The entry points of the Sendrel control server: one class, Sendrel, with
// its type library embedded as resource 1.
#include <windows.h>
#include <objbase.h>

#include "runtime/ClassFactory.h"
#include "runtime/ComRegistration.h"
#include "runtime/ComServer.h"
#include "sendrel/Sendrel.h"

namespace {

const Runtime::ControlClassInfo kClass{CLSID_Sendrel, L"SendrelControl.Sendrel", L"SendrelControl.Sendrel",
                                       LIBID_SendrelControl, L"8.0"};

} // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void*)
{
    Runtime::ComServer::DllEntry(instance, reason);
    return TRUE;
}

STDAPI DllCanUnloadNow()
{
    return Runtime::ComServer::CanUnload() ? S_OK : S_FALSE;
}

STDAPI DllGetClassObject(REFCLSID classId, REFIID iid, void** object)
{
    return Runtime::GetClassObject(classId, CLSID_Sendrel, &Sendrel::Create, iid, object);
}

STDAPI DllRegisterServer()
{
    return Runtime::RegisterControlClass(kClass);
}

STDAPI DllUnregisterServer()
{
    return Runtime::UnregisterControlClass(kClass);
}
