#include "tests/servers/HostObjects.h"

namespace TestSupport {

FakeForm::FakeForm(const std::wstring& name, HWND window)
{
    form.SetText(L"Name", name);
    form.SetWindow(window);
    collection.SetLong(L"Count", 0);
    form.SetObject(L"Controls", &collection);
}

STDMETHODIMP LatchetSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*)
{
    if (id == 2) {
        ++hotKeyPresses;
        if (log) log->push_back("hotkey");
        return S_OK;
    }
    if (id != 1 || !params || params->cArgs != 4) return DISP_E_MEMBERNOTFOUND;
    // Arguments come last first: RC, lPar, wPar, nMsg.
    long message = V_I4(&params->rgvarg[3]);
    messages.insert(messages.end(), {message, V_I4(&params->rgvarg[2]), V_I4(&params->rgvarg[1])});
    if (log) log->push_back("event " + std::to_string(message));
    if (answer) {
        VARIANT& rc = *V_VARIANTREF(&params->rgvarg[0]);
        answer(message, rc);
    }
    return S_OK;
}

} // namespace TestSupport
