#pragma once
// What a host gives a control, made small for the tests: a property bag in
// memory, a client site that names the control, sinks that record the
// control's events and change notes, and calls through IDispatch.
#include <windows.h>
#include <ocidl.h>

#include <map>
#include <string>
#include <vector>

#include "runtime/ComVariant.h"
#include "runtime/ScopedWin.h"

namespace TestSupport {

// The end of a stub's QueryInterface that found `as`: hands it out and
// counts the reference.
template <typename T>
HRESULT Answer(T* self, void* as, void** object)
{
    *object = as;
    self->AddRef();
    return S_OK;
}

// Reference counting for the stubs; they live on the test's stack, so the
// count only has to be right, never to free anything.
template <typename... Interfaces>
class StackObject : public Interfaces... {
public:
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override { return --refs_; }
    ULONG References() const noexcept { return refs_; }
private:
    ULONG refs_ = 1;
};

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

// The extender a host wraps around a control: its Name.
class ExtenderStub final : public StackObject<IDispatch> {
public:
    explicit ExtenderStub(std::wstring name) : name_(std::move(name)) {}
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP GetTypeInfoCount(UINT* n) override { *n = 0; return S_OK; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*) override;
private:
    std::wstring name_;
};

// A client site whose ambient display name is `ambientName` and, when
// `extenderName` is not empty, whose extender is named so.
class SiteStub final : public ClientSiteStub<IDispatch, IOleControlSite> {
public:
    explicit SiteStub(std::wstring ambientName, std::wstring extenderName = L"")
        : name_(std::move(ambientName)), extenderName_(extenderName), extender_(std::move(extenderName))
    {
    }
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
private:
    std::wstring name_;
    std::wstring extenderName_;
    ExtenderStub extender_;
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
class EventSink final : public StackObject<IDispatch> {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP GetTypeInfoCount(UINT* n) override { *n = 0; return S_OK; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return DISP_E_UNKNOWNNAME; }
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
