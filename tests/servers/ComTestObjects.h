#pragma once
// What a host gives a control, made small for the tests: a property bag in
// memory, a client site with its ambient properties and extender, sinks
// that record the control's events and change notes, and calls through
// IDispatch.
#include <windows.h>
#include <ocidl.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "runtime/ComVariant.h"
#include "runtime/ScopedWin.h"
#include "tests/servers/FakeObject.h"
#include "tests/servers/StubBase.h"

namespace TestSupport {

class PropertyBagStub final : public StackObject<IPropertyBag> {
public:
    ~PropertyBagStub();
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP Read(LPCOLESTR name, VARIANT* value, IErrorLog*) override;
    STDMETHODIMP Write(LPCOLESTR name, VARIANT* value) override;

    void SetText(const std::wstring& name, const std::wstring& text);
    const VARIANT* Find(const std::wstring& name) const;
    std::vector<std::wstring> Keys() const; // in the order of writing
    bool failWrites = false;
    std::set<std::wstring> refusedKeys; // keys whose writing fails

private:
    std::map<std::wstring, VARIANT> values_;
    std::vector<std::wstring> order_;
};

// The client site's own members, which the control does not call.
template <typename... More>
class ClientSiteStub : public StackObject<IOleClientSite, More...> {
public:
    STDMETHODIMP SaveObject() override { return S_OK; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** m) override { *m = nullptr; return E_NOTIMPL; }
    STDMETHODIMP GetContainer(IOleContainer** c) override { *c = nullptr; return E_NOINTERFACE; }
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }
};

// A form host's client site: the ambient display name (when it has one)
// and UserMode, and the extender the host wraps around the control, whose
// Name, Parent and other members the test sets.
class SiteStub final : public ClientSiteStub<IDispatch, IOleControlSite> {
public:
    SiteStub() = default;
    // A site whose ambient display name is `ambientName` and, when
    // `extenderName` is not empty, whose extender is named so; else it
    // offers no extender.
    explicit SiteStub(std::wstring ambientName, const std::wstring& extenderName = L"");
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP GetTypeInfoCount(UINT* n) override { *n = 0; return S_OK; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return DISP_E_UNKNOWNNAME; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*) override;
    STDMETHODIMP OnControlInfoChanged() override { return S_OK; }
    STDMETHODIMP LockInPlaceActive(BOOL) override { return S_OK; }
    STDMETHODIMP GetExtendedControl(IDispatch** extender) override;
    STDMETHODIMP TransformCoords(POINTL*, POINTF*, DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP TranslateAccelerator(MSG*, DWORD) override { return S_FALSE; }
    STDMETHODIMP OnFocus(BOOL) override { return S_OK; }
    STDMETHODIMP ShowPropertyFrame() override { return E_NOTIMPL; }

    bool userMode = true;
    bool offersExtender = true;
    FakeObject extender;

private:
    std::wstring ambientName_;
};

// A client site that takes the control in place in the window `host`, at
// `position`; it records what the control tells it.
class InPlaceSiteStub final : public ClientSiteStub<IOleInPlaceSite> {
public:
    InPlaceSiteStub(HWND host, RECT position) : host_(host), position_(position) {}
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP GetWindow(HWND* wnd) override { *wnd = host_; return S_OK; }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnInPlaceActivate() override { active = true; return S_OK; }
    STDMETHODIMP OnUIActivate() override { return S_OK; }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                  LPRECT clip, LPOLEINPLACEFRAMEINFO) override;
    STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnInPlaceDeactivate() override { active = false; return S_OK; }
    STDMETHODIMP DiscardUndoState() override { return S_OK; }
    STDMETHODIMP DeactivateAndUndo() override { return S_OK; }
    STDMETHODIMP OnPosRectChange(LPCRECT position) override { changedTo = *position; return S_OK; }
    bool active = false;
    RECT changedTo{};
private:
    HWND host_;
    RECT position_;
};

// Records the control's NewVersion events.
class EventSink final : public DispatchStub {
public:
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override;
    std::vector<std::wstring> newVersions;
};

// Records the control's property-change notes.
class ChangeSink final : public StackObject<IPropertyNotifySink> {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP OnChanged(DISPID id) override { changed.push_back(id); return S_OK; }
    STDMETHODIMP OnRequestEdit(DISPID) override { return S_OK; }
    std::vector<DISPID> changed;
};

// Connects `sink` to the control's connection point for `iid`; the cookie.
DWORD Connect(IUnknown* control, REFIID iid, IUnknown* sink);

// Calls through IDispatch by member name. Each returns the call's HRESULT;
// `excep` (when given) receives the exception of DISP_E_EXCEPTION.
HRESULT GetProperty(IDispatch* object, const wchar_t* name, Runtime::Variant& value);
HRESULT PutProperty(IDispatch* object, const wchar_t* name, const VARIANT& value);
HRESULT CallMethod(IDispatch* object, const wchar_t* name, std::vector<VARIANT> args, Runtime::Variant& result,
                   EXCEPINFO* excep = nullptr);
DISPID IdOf(IDispatch* object, const wchar_t* name);

VARIANT TextArg(const std::wstring& text); // a BSTR the callee does not own: free with VariantClear
VARIANT LongArg(long value);
VARIANT BoolArg(bool value);
VARIANT ByRefArg(VARIANT* target);
VARIANT MissingArg();
std::wstring TextOf(const VARIANT& value);

} // namespace TestSupport
