// The entry points of the Latchet control server: the class Latchet and its
// two property pages, Object and Message, with the type library embedded as
// resource 1.
#include <windows.h>
#include <objbase.h>

#include "latchet/Latchet.h"
#include "latchet/MessagePropertyPage.h"
#include "latchet/ObjectPropertyPage.h"
#include "runtime/ClassFactory.h"
#include "runtime/ComRegistration.h"
#include "runtime/ComServer.h"

namespace {

const Runtime::ControlClassInfo kClass{CLSID_Latchet, L"LatchetControl.Latchet", L"LatchetControl.Latchet",
                                       LIBID_LatchetControl, L"17.0"};

struct PageClass {
    const CLSID* classId;
    const wchar_t* description;
    Runtime::CreateObject create;
};

const PageClass kPages[] = {
    {&CLSID_Object, L"LatchetControl.Object", &Runtime::PropertyPage::Create<ObjectPropertyPage>},
    {&CLSID_Message, L"LatchetControl.Message", &Runtime::PropertyPage::Create<MessagePropertyPage>},
};

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
    for (const PageClass& page : kPages)
        if (IsEqualCLSID(classId, *page.classId))
            return Runtime::GetClassObject(classId, *page.classId, page.create, iid, object);
    return Runtime::GetClassObject(classId, CLSID_Latchet, &Latchet::Create, iid, object);
}

STDAPI DllUnregisterServer()
{
    HRESULT hr = Runtime::UnregisterControlClass(kClass);
    for (const PageClass& page : kPages) {
        HRESULT pageResult = Runtime::UnregisterPlainClass(*page.classId);
        if (SUCCEEDED(hr)) hr = pageResult;
    }
    return hr;
}

STDAPI DllRegisterServer()
{
    HRESULT hr = Runtime::RegisterControlClass(kClass);
    for (const PageClass& page : kPages)
        if (SUCCEEDED(hr)) hr = Runtime::RegisterPlainClass(*page.classId, page.description);
    if (FAILED(hr)) DllUnregisterServer();
    return hr;
}
