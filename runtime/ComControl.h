#pragma once
// The common part of an ActiveX control object: reference counting, the
// host's client site and extender, the connection points for the control's
// events and for property-change notes, drawing for a host through
// IViewObject2 or, in place, in a child window of the host's own, and
// persistence of its properties through a property bag.
// A control class derives from it, adds its own dispatch interface and
// answers the virtual members.
#include <windows.h>
#include <ocidl.h>
#include <oleidl.h>

#include <atomic>
#include <memory>
#include <string>

#include "runtime/ComServer.h"
#include "runtime/ConnectionPoint.h"
#include "runtime/ControlWindow.h"
#include "runtime/ScopedWin.h"

namespace Runtime {

class ComControl : public IOleObject,
                   public IOleControl,
                   public IViewObject2,
                   public IConnectionPointContainer,
                   public IPersistPropertyBag,
                   public IProvideClassInfo,
                   public IOleInPlaceObject {
public:
    // `classId` is the control's class, `eventsIid` its outgoing dispinterface.
    ComControl(REFCLSID classId, REFIID eventsIid);
    virtual ~ComControl();
    ComControl(const ComControl&) = delete;
    ComControl& operator=(const ComControl&) = delete;

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IOleObject
    STDMETHODIMP SetClientSite(IOleClientSite* site) override;
    STDMETHODIMP GetClientSite(IOleClientSite** site) override;
    STDMETHODIMP SetHostNames(LPCOLESTR, LPCOLESTR) override { return S_OK; }
    STDMETHODIMP Close(DWORD saveOption) override;
    STDMETHODIMP SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** moniker) override;
    STDMETHODIMP InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP GetClipboardData(DWORD, IDataObject** data) override;
    STDMETHODIMP DoVerb(LONG verb, LPMSG, IOleClientSite*, LONG, HWND, LPCRECT) override;
    STDMETHODIMP EnumVerbs(IEnumOLEVERB** verbs) override;
    STDMETHODIMP Update() override { return S_OK; }
    STDMETHODIMP IsUpToDate() override { return S_OK; }
    STDMETHODIMP GetUserClassID(CLSID* classId) override;
    STDMETHODIMP GetUserType(DWORD form, LPOLESTR* userType) override;
    STDMETHODIMP SetExtent(DWORD aspect, SIZEL* size) override;
    STDMETHODIMP GetExtent(DWORD aspect, SIZEL* size) override;
    STDMETHODIMP Advise(IAdviseSink* sink, DWORD* connection) override;
    STDMETHODIMP Unadvise(DWORD connection) override;
    STDMETHODIMP EnumAdvise(IEnumSTATDATA** advise) override;
    STDMETHODIMP GetMiscStatus(DWORD aspect, DWORD* status) override;
    STDMETHODIMP SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

    // IOleControl
    STDMETHODIMP GetControlInfo(CONTROLINFO*) override { return E_NOTIMPL; }
    STDMETHODIMP OnMnemonic(MSG*) override { return E_NOTIMPL; }
    STDMETHODIMP OnAmbientPropertyChange(DISPID) override { return S_OK; }
    STDMETHODIMP FreezeEvents(BOOL) override { return S_OK; }

    // IViewObject2
    STDMETHODIMP Draw(DWORD aspect, LONG index, void* aspectInfo, DVTARGETDEVICE* device, HDC targetDc, HDC dc,
                      LPCRECTL bounds, LPCRECTL metafileBounds, BOOL(STDMETHODCALLTYPE* keepGoing)(ULONG_PTR),
                      ULONG_PTR keepGoingArg) override;
    STDMETHODIMP GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE** colors) override;
    STDMETHODIMP Freeze(DWORD, LONG, void*, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP Unfreeze(DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) override;
    STDMETHODIMP GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) override;
    STDMETHODIMP GetExtent(DWORD aspect, LONG index, DVTARGETDEVICE* device, LPSIZEL size) override;

    // IConnectionPointContainer
    STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints** points) override;
    STDMETHODIMP FindConnectionPoint(REFIID iid, IConnectionPoint** point) override;

    // IPersistPropertyBag
    STDMETHODIMP GetClassID(CLSID* classId) override;
    STDMETHODIMP InitNew() override { return S_OK; }
    STDMETHODIMP Load(IPropertyBag* bag, IErrorLog* log) override;
    STDMETHODIMP Save(IPropertyBag* bag, BOOL clearDirty, BOOL saveAll) override;

    // IProvideClassInfo
    STDMETHODIMP GetClassInfo(ITypeInfo** info) override;

    // IOleInPlaceObject
    STDMETHODIMP GetWindow(HWND* wnd) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP InPlaceDeactivate() override;
    STDMETHODIMP UIDeactivate() override { return S_OK; }
    STDMETHODIMP SetObjectRects(LPCRECT position, LPCRECT clip) override;
    STDMETHODIMP ReactivateAndUndo() override { return E_NOTIMPL; }

protected:
    // The control's own interfaces (its dispatch interface), or null.
    virtual void* OwnInterface(REFIID iid) = 0;
    // Reads the persisted properties (each key on its own, a missing one
    // read as empty) and writes them all.
    virtual void ReadProperties(IPropertyBag* bag) = 0;
    virtual void WriteProperties(IPropertyBag* bag) = 0;
    // Draws the control's face into `rect` of `dc`.
    virtual void Paint(HDC dc, const RECT& rect) = 0;
    // The control's size in pixels.
    virtual SIZE PixelSize() const = 0;

    // Tells the host that a property changed (the control needs saving).
    void PropertyChanged(DISPID id);
    // The name that the host gave this instance (the extender's Name, else
    // the ambient display name); empty without a host.
    std::wstring ExtenderName() const;
    // The object through which the host sees this control (its extender);
    // empty without a host that offers one.
    ComPtr<IDispatch> Extender() const;
    // The host's ambient UserMode: false while the host is designing its
    // form. A host that does not say is taken as running.
    bool UserMode() const;
    const ConnectionPoint& Events() const noexcept { return events_; }

private:
    // Shows the control in a window of its own inside the host's window,
    // when the host's site can take it in place.
    HRESULT InPlaceActivate(IOleClientSite* activeSite);

    std::atomic<ULONG> refs_{1};
    ComServer::ObjectLock lock_;
    CLSID classId_;
    ComPtr<IOleClientSite> site_;
    ComPtr<IOleAdviseHolder> oleAdvise_;
    ComPtr<IAdviseSink> viewSink_;
    DWORD viewAspects_ = 0;
    DWORD viewFlags_ = 0;
    ConnectionPoint events_;
    ConnectionPoint propertyNotes_;
    ComPtr<IOleInPlaceSite> inPlaceSite_;
    std::unique_ptr<ControlWindow> window_;
};

} // namespace Runtime
