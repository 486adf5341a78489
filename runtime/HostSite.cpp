#include "runtime/HostSite.h"

#include <olectl.h>

#include "runtime/ComVariant.h"

namespace Runtime {

HostSite::HostSite(HWND host, RECT place, std::wstring name, REFIID events)
    : host_(host), place_(place), name_(std::move(name)), events_(events)
{
}

STDMETHODIMP HostSite::QueryInterface(REFIID iid, void** object)
{
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite))
        *object = static_cast<IOleClientSite*>(this);
    else if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceSite))
        *object = static_cast<IOleInPlaceSite*>(this);
    else if (IsEqualIID(iid, IID_IDispatch))
        *object = static_cast<IDispatch*>(this);
    else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) HostSite::AddRef()
{
    return ++refs_;
}

STDMETHODIMP_(ULONG) HostSite::Release()
{
    ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
}

STDMETHODIMP HostSite::GetMoniker(DWORD, DWORD, IMoniker** moniker)
{
    if (moniker) *moniker = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP HostSite::GetContainer(IOleContainer** container)
{
    if (container) *container = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP HostSite::GetWindow(HWND* wnd)
{
    if (!wnd) return E_POINTER;
    *wnd = host_;
    return S_OK;
}

STDMETHODIMP HostSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                        LPRECT clip, LPOLEINPLACEFRAMEINFO info)
{
    if (frame) *frame = nullptr;
    if (document) *document = nullptr;
    if (position) *position = place_;
    if (clip) *clip = place_;
    if (info) {
        info->fMDIApp = FALSE;
        info->hwndFrame = host_;
        info->haccel = nullptr;
        info->cAccelEntries = 0;
    }
    return S_OK;
}

STDMETHODIMP HostSite::GetTypeInfoCount(UINT* count)
{
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

STDMETHODIMP HostSite::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*)
{
    if (!result) return E_POINTER;
    VariantInit(result);
    switch (id) {
    case DISPID_AMBIENT_USERMODE:
        V_VT(result) = VT_BOOL;
        V_BOOL(result) = VARIANT_TRUE;
        return S_OK;
    case DISPID_AMBIENT_DISPLAYNAME:
        V_VT(result) = VT_BSTR;
        V_BSTR(result) = AllocBstr(name_);
        return S_OK;
    default:
        return DISP_E_MEMBERNOTFOUND;
    }
}

STDMETHODIMP HostSite::Sink::QueryInterface(REFIID iid, void** object)
{
    if (!object) return E_POINTER;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IDispatch) && !IsEqualIID(iid, site_.events_)) {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP HostSite::Sink::GetTypeInfoCount(UINT* count)
{
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

STDMETHODIMP HostSite::Sink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*)
{
    // Nothing crosses back into the control: a handler reports its own errors.
    try {
        if (site_.Event) site_.Event(id, params);
    } catch (...) {
    }
    return S_OK;
}

} // namespace Runtime
