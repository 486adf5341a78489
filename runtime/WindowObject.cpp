#include "runtime/WindowObject.h"

#include "runtime/ComVariant.h"

namespace Runtime {

namespace {

enum : DISPID { kHwnd = 1, kName = 2 };

} // namespace

STDMETHODIMP WindowObject::QueryInterface(REFIID iid, void** object)
{
    if (!object) return E_POINTER;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IDispatch)) {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) WindowObject::Release()
{
    ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
}

STDMETHODIMP WindowObject::GetTypeInfoCount(UINT* count)
{
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

STDMETHODIMP WindowObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids)
{
    if (!names || !ids || count == 0) return E_INVALIDARG;
    for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
    if (count != 1) return DISP_E_UNKNOWNNAME;
    if (_wcsicmp(names[0], L"hWnd") == 0) ids[0] = kHwnd;
    else if (_wcsicmp(names[0], L"Name") == 0) ids[0] = kName;
    return ids[0] == DISPID_UNKNOWN ? DISP_E_UNKNOWNNAME : S_OK;
}

STDMETHODIMP WindowObject::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                  EXCEPINFO*, UINT*)
{
    if (id != kHwnd && id != kName) return DISP_E_MEMBERNOTFOUND;
    if (!(flags & DISPATCH_PROPERTYGET) || (params && params->cArgs != 0)) return DISP_E_MEMBERNOTFOUND;
    if (!result) return S_OK;
    VariantInit(result);
    if (id == kHwnd) {
        // The whole handle: a window handle is pointer-sized here.
        V_VT(result) = VT_I8;
        V_I8(result) = reinterpret_cast<INT_PTR>(window_);
    } else {
        V_VT(result) = VT_BSTR;
        V_BSTR(result) = AllocBstr(name_);
    }
    return S_OK;
}

} // namespace Runtime
