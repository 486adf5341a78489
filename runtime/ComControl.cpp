#include "runtime/ComControl.h"

#include <olectl.h>

#include "runtime/ComDispatch.h"
#include "runtime/ComVariant.h"

namespace Runtime {

namespace {

// Pixels to HIMETRIC (0.01 mm) on the screen.
SIZEL ToHimetric(SIZE pixels)
{
    ScopedGetDC screen(nullptr);
    int dpiX = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSX) : 96;
    int dpiY = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 96;
    return {MulDiv(pixels.cx, 2540, dpiX), MulDiv(pixels.cy, 2540, dpiY)};
}

// A property of `object` read through its IDispatch; false when it has none.
bool ReadDispatchProperty(IUnknown* object, DISPID id, VARIANT* value)
{
    ComPtr<IDispatch> dispatch;
    if (!object || FAILED(object->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(dispatch.Put()))))
        return false;
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    return SUCCEEDED(dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, value,
                                      nullptr, nullptr));
}

} // namespace

ComControl::ComControl(REFCLSID classId, REFIID eventsIid)
    : classId_(classId),
      events_(this, eventsIid, true),
      propertyNotes_(this, IID_IPropertyNotifySink, false)
{
}

ComControl::~ComControl() = default;

STDMETHODIMP ComControl::QueryInterface(REFIID iid, void** object)
{
    if (!object) return E_POINTER;
    void* found = OwnInterface(iid);
    if (found) {
    } else if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleObject)) {
        found = static_cast<IOleObject*>(this);
    } else if (IsEqualIID(iid, IID_IOleControl)) {
        found = static_cast<IOleControl*>(this);
    } else if (IsEqualIID(iid, IID_IViewObject) || IsEqualIID(iid, IID_IViewObject2)) {
        found = static_cast<IViewObject2*>(this);
    } else if (IsEqualIID(iid, IID_IConnectionPointContainer)) {
        found = static_cast<IConnectionPointContainer*>(this);
    } else if (IsEqualIID(iid, IID_IPersist) || IsEqualIID(iid, IID_IPersistPropertyBag)) {
        found = static_cast<IPersistPropertyBag*>(this);
    } else if (IsEqualIID(iid, IID_IProvideClassInfo)) {
        found = static_cast<IProvideClassInfo*>(this);
    } else if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceObject)) {
        found = static_cast<IOleInPlaceObject*>(this);
    }
    *object = found;
    if (!found) return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) ComControl::AddRef() { return ++refs_; }

STDMETHODIMP_(ULONG) ComControl::Release()
{
    ULONG refs = --refs_;
    if (refs == 0) delete this;
    return refs;
}

STDMETHODIMP ComControl::SetClientSite(IOleClientSite* site)
{
    if (site) site->AddRef();
    site_ = ComPtr<IOleClientSite>(site);
    return S_OK;
}

STDMETHODIMP ComControl::GetClientSite(IOleClientSite** site)
{
    if (!site) return E_POINTER;
    *site = site_.Get();
    if (*site) (*site)->AddRef();
    return S_OK;
}

STDMETHODIMP ComControl::Close(DWORD)
{
    // The host lets go: drop what holds it, so that no reference cycle
    // keeps host and control alive.
    InPlaceDeactivate();
    events_.Clear();
    propertyNotes_.Clear();
    viewSink_.Reset();
    if (oleAdvise_) oleAdvise_->SendOnClose();
    oleAdvise_.Reset();
    return S_OK;
}

STDMETHODIMP ComControl::GetMoniker(DWORD, DWORD, IMoniker** moniker)
{
    if (moniker) *moniker = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP ComControl::GetClipboardData(DWORD, IDataObject** data)
{
    if (data) *data = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP ComControl::DoVerb(LONG verb, LPMSG, IOleClientSite* activeSite, LONG, HWND, LPCRECT)
{
    switch (verb) {
    case OLEIVERB_PRIMARY:
    case OLEIVERB_SHOW:
    case OLEIVERB_INPLACEACTIVATE:
    case OLEIVERB_UIACTIVATE:
        return InPlaceActivate(activeSite);
    case OLEIVERB_HIDE:
        if (window_) ShowWindow(window_->Get(), SW_HIDE);
        return S_OK;
    default:
        return OLEOBJ_S_INVALIDVERB;
    }
}

HRESULT ComControl::InPlaceActivate(IOleClientSite* activeSite)
{
    if (window_) {
        ShowWindow(window_->Get(), SW_SHOWNA);
        return S_OK;
    }
    IOleClientSite* site = activeSite ? activeSite : site_.Get();
    ComPtr<IOleInPlaceSite> inPlace;
    // A host without an in-place site draws the control through IViewObject2.
    if (!site || FAILED(site->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(inPlace.Put()))))
        return S_OK;
    if (inPlace->CanInPlaceActivate() != S_OK) return E_FAIL;
    HWND parent = nullptr;
    ComPtr<IOleInPlaceFrame> frame;
    ComPtr<IOleInPlaceUIWindow> document;
    RECT position{}, clip{};
    OLEINPLACEFRAMEINFO frameInfo{};
    frameInfo.cb = sizeof(frameInfo);
    if (FAILED(inPlace->GetWindow(&parent)) ||
        FAILED(inPlace->GetWindowContext(frame.Put(), document.Put(), &position, &clip, &frameInfo)))
        return E_FAIL;
    inPlace->OnInPlaceActivate();
    window_ = std::make_unique<ControlWindow>(parent, position.left, position.top, PixelSize(),
                                              [this](HDC dc, const RECT& rect) { Paint(dc, rect); });
    inPlaceSite_ = inPlace;
    // The control keeps its own size: the host learns it.
    SIZE size = PixelSize();
    RECT own{position.left, position.top, position.left + size.cx, position.top + size.cy};
    if (!EqualRect(&own, &position)) inPlace->OnPosRectChange(&own);
    return window_->Get() ? S_OK : E_FAIL;
}

STDMETHODIMP ComControl::EnumVerbs(IEnumOLEVERB** verbs)
{
    if (verbs) *verbs = nullptr;
    return OLEOBJ_E_NOVERBS;
}

STDMETHODIMP ComControl::GetUserClassID(CLSID* classId) { return GetClassID(classId); }

STDMETHODIMP ComControl::GetUserType(DWORD form, LPOLESTR* userType)
{
    return OleRegGetUserType(classId_, form, userType);
}

STDMETHODIMP ComControl::SetExtent(DWORD aspect, SIZEL*)
{
    // The control keeps its own size.
    return aspect == DVASPECT_CONTENT ? E_FAIL : DV_E_DVASPECT;
}

STDMETHODIMP ComControl::GetExtent(DWORD aspect, SIZEL* size)
{
    if (!size) return E_POINTER;
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    *size = ToHimetric(PixelSize());
    return S_OK;
}

STDMETHODIMP ComControl::Advise(IAdviseSink* sink, DWORD* connection)
{
    if (!oleAdvise_ && FAILED(CreateOleAdviseHolder(oleAdvise_.Put()))) return E_OUTOFMEMORY;
    return oleAdvise_->Advise(sink, connection);
}

STDMETHODIMP ComControl::Unadvise(DWORD connection)
{
    return oleAdvise_ ? oleAdvise_->Unadvise(connection) : OLE_E_NOCONNECTION;
}

STDMETHODIMP ComControl::EnumAdvise(IEnumSTATDATA** advise)
{
    if (!advise) return E_POINTER;
    *advise = nullptr;
    return oleAdvise_ ? oleAdvise_->EnumAdvise(advise) : S_OK;
}

STDMETHODIMP ComControl::GetMiscStatus(DWORD, DWORD* status)
{
    if (!status) return E_POINTER;
    *status = OLEMISC_SETCLIENTSITEFIRST | OLEMISC_RECOMPOSEONRESIZE | OLEMISC_CANTLINKINSIDE | OLEMISC_INSIDEOUT;
    return S_OK;
}

STDMETHODIMP ComControl::Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC dc, LPCRECTL bounds, LPCRECTL,
                              BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR)
{
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!dc || !bounds) return E_INVALIDARG;
    RECT rect{bounds->left, bounds->top, bounds->right, bounds->bottom};
    return Guarded(L"Draw", [&] {
        Paint(dc, rect);
        return S_OK;
    });
}

STDMETHODIMP ComControl::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE** colors)
{
    if (colors) *colors = nullptr;
    return S_FALSE;
}

STDMETHODIMP ComControl::SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink)
{
    if (sink) sink->AddRef();
    viewSink_ = ComPtr<IAdviseSink>(sink);
    viewAspects_ = aspects;
    viewFlags_ = flags;
    return S_OK;
}

STDMETHODIMP ComControl::GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink)
{
    if (aspects) *aspects = viewAspects_;
    if (flags) *flags = viewFlags_;
    if (sink) {
        *sink = viewSink_.Get();
        if (*sink) (*sink)->AddRef();
    }
    return S_OK;
}

STDMETHODIMP ComControl::GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size)
{
    return GetExtent(aspect, size);
}

STDMETHODIMP ComControl::EnumConnectionPoints(IEnumConnectionPoints** points)
{
    if (points) *points = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP ComControl::FindConnectionPoint(REFIID iid, IConnectionPoint** point)
{
    if (!point) return E_POINTER;
    *point = nullptr;
    ConnectionPoint* found = nullptr;
    if (IsEqualIID(iid, events_.Interface())) found = &events_;
    if (IsEqualIID(iid, propertyNotes_.Interface())) found = &propertyNotes_;
    if (!found) return CONNECT_E_NOCONNECTION;
    found->AddRef();
    *point = found;
    return S_OK;
}

STDMETHODIMP ComControl::GetClassID(CLSID* classId)
{
    if (!classId) return E_POINTER;
    *classId = classId_;
    return S_OK;
}

STDMETHODIMP ComControl::Load(IPropertyBag* bag, IErrorLog*)
{
    if (!bag) return E_POINTER;
    return Guarded(L"ReadProperties", [&] {
        ReadProperties(bag);
        return S_OK;
    });
}

STDMETHODIMP ComControl::Save(IPropertyBag* bag, BOOL, BOOL)
{
    if (!bag) return E_POINTER;
    return Guarded(L"WriteProperties", [&] {
        WriteProperties(bag);
        return S_OK;
    });
}

STDMETHODIMP ComControl::GetClassInfo(ITypeInfo** info)
{
    if (!info) return E_POINTER;
    *info = ServerTypeInfo(classId_).Detach();
    return *info ? S_OK : TYPE_E_ELEMENTNOTFOUND;
}

STDMETHODIMP ComControl::GetWindow(HWND* wnd)
{
    if (!wnd) return E_POINTER;
    *wnd = window_ ? window_->Get() : nullptr;
    return *wnd ? S_OK : E_FAIL;
}

STDMETHODIMP ComControl::InPlaceDeactivate()
{
    if (!window_) return S_OK;
    window_.reset();
    ComPtr<IOleInPlaceSite> site = std::move(inPlaceSite_);
    if (site) site->OnInPlaceDeactivate();
    return S_OK;
}

STDMETHODIMP ComControl::SetObjectRects(LPCRECT position, LPCRECT)
{
    if (!position) return E_POINTER;
    if (window_) window_->MoveTo(position->left, position->top);
    return S_OK;
}

void ComControl::PropertyChanged(DISPID id)
{
    for (const auto& sink : propertyNotes_.Sinks<IPropertyNotifySink>()) sink->OnChanged(id);
}

ComPtr<IDispatch> ComControl::Extender() const
{
    ComPtr<IOleControlSite> controlSite;
    ComPtr<IDispatch> extender;
    if (site_ && SUCCEEDED(site_->QueryInterface(IID_IOleControlSite, reinterpret_cast<void**>(controlSite.Put()))))
        controlSite->GetExtendedControl(extender.Put());
    return extender;
}

bool ComControl::UserMode() const
{
    Variant mode;
    if (ReadDispatchProperty(site_.Get(), DISPID_AMBIENT_USERMODE, mode.Put()) && mode.ChangeType(VT_BOOL))
        return V_BOOL(mode.Get()) != VARIANT_FALSE;
    return true;
}

std::wstring ComControl::ExtenderName() const
{
    Variant name;
    if (ComPtr<IDispatch> extender = Extender()) {
        LPOLESTR member = const_cast<LPOLESTR>(L"Name");
        DISPID id = DISPID_UNKNOWN;
        if (SUCCEEDED(extender->GetIDsOfNames(IID_NULL, &member, 1, LOCALE_USER_DEFAULT, &id)) &&
            ReadDispatchProperty(extender.Get(), id, name.Put()) && name.ChangeType(VT_BSTR))
            return BstrText(V_BSTR(name.Get()));
    }
    if (ReadDispatchProperty(site_.Get(), DISPID_AMBIENT_DISPLAYNAME, name.Put()) && name.ChangeType(VT_BSTR))
        return BstrText(V_BSTR(name.Get()));
    return {};
}

} // namespace Runtime
