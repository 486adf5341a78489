#pragma once
// An ActiveX control with one dual interface `Dual`: ComControl's
// interfaces, and `Dual` answered for its own id and for IDispatch, its
// IDispatch half run through the server's type library. `More` are further
// interfaces the control implements (their IUnknown is this one); the
// control hands them out from OwnInterface after asking this class.
#include <windows.h>

#include "runtime/ComControl.h"
#include "runtime/ComDispatch.h"

namespace Runtime {

template <typename Dual, typename... More>
class DualControl : public ComControl, public Dual, public More... {
public:
    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override { return ComControl::QueryInterface(iid, object); }
    STDMETHODIMP_(ULONG) AddRef() override { return ComControl::AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return ComControl::Release(); }

    // IDispatch, through the type library
    STDMETHODIMP GetTypeInfoCount(UINT* count) override { return dispatch_.GetTypeInfoCount(count); }
    STDMETHODIMP GetTypeInfo(UINT index, LCID, ITypeInfo** info) override { return dispatch_.GetTypeInfo(index, info); }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override
    {
        return dispatch_.GetIDsOfNames(names, count, ids);
    }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* excep,
                        UINT* argError) override
    {
        return dispatch_.Invoke(static_cast<Dual*>(this), id, flags, params, result, excep, argError);
    }

protected:
    // `classId` is the control's class, `eventsIid` its outgoing
    // dispinterface and `dualIid` the id of `Dual`.
    DualControl(REFCLSID classId, REFIID eventsIid, REFIID dualIid)
        : ComControl(classId, eventsIid), dualIid_(dualIid), dispatch_(dualIid)
    {
    }

    void* OwnInterface(REFIID iid) override
    {
        if (IsEqualIID(iid, dualIid_) || IsEqualIID(iid, IID_IDispatch)) return static_cast<Dual*>(this);
        return nullptr;
    }

private:
    const IID dualIid_;
    TypeInfoDispatch dispatch_;
};

} // namespace Runtime
