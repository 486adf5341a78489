#pragma once
// What a form host gives the hook control, made small for the tests: a
// late-bound object with named properties (a form, a control, a Controls
// collection), a client site with an extender and the ambient UserMode,
// and a sink that records the control's events and can answer Message.
#include <windows.h>
#include <ocidl.h>

#include <functional>
#include <string>
#include <vector>

#include "runtime/ScopedWin.h"
#include "tests/servers/ComTestObjects.h"

namespace TestSupport {

// Properties by name (case ignored), each a Variant (an object is held
// without a reference); "Item" with an index
// gives the element of `items`. Unknown names are unknown members.
class FakeObject final : public StackObject<IDispatch> {
public:
    ~FakeObject();
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP GetTypeInfoCount(UINT* n) override { *n = typeInfo_ ? 1 : 0; return S_OK; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                        UINT*) override;

    // The type name that the object's type information gives (a type
    // library made in memory); without it the object has none.
    void SetTypeName(const std::wstring& name);
    void Set(const std::wstring& name, const VARIANT& value); // copies the value
    void SetText(const std::wstring& name, const std::wstring& text);
    void SetLong(const std::wstring& name, long value);
    void SetObject(const std::wstring& name, IDispatch* object);
    void SetWindow(HWND window); // the hWnd property
    std::vector<IDispatch*> items;

private:
    int Slot(const std::wstring& name);
    std::vector<std::wstring> names_;
    std::vector<VARIANT> values_;
    Runtime::ComPtr<ITypeInfo> typeInfo_;
};

// A form with a Name, a window and a Controls collection of `controls`.
struct FakeForm {
    FakeForm(const std::wstring& name, HWND window);
    void AddControl(FakeObject& control) { collection.items.push_back(&control); collection.SetLong(L"Count", static_cast<long>(collection.items.size())); }
    FakeObject form;
    FakeObject collection;
};

// The control's site: the extender (with its Parent, the host form) and the
// ambient UserMode.
class HostSite final : public StackObject<IOleClientSite, IOleControlSite, IDispatch> {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    // IOleClientSite
    STDMETHODIMP SaveObject() override { return S_OK; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** m) override { *m = nullptr; return E_NOTIMPL; }
    STDMETHODIMP GetContainer(IOleContainer** c) override { *c = nullptr; return E_NOINTERFACE; }
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }
    // IOleControlSite
    STDMETHODIMP OnControlInfoChanged() override { return S_OK; }
    STDMETHODIMP LockInPlaceActive(BOOL) override { return S_OK; }
    STDMETHODIMP GetExtendedControl(IDispatch** extender) override;
    STDMETHODIMP TransformCoords(POINTL*, POINTF*, DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP TranslateAccelerator(MSG*, DWORD) override { return S_FALSE; }
    STDMETHODIMP OnFocus(BOOL) override { return S_OK; }
    STDMETHODIMP ShowPropertyFrame() override { return E_NOTIMPL; }
    // IDispatch: the ambient properties
    STDMETHODIMP GetTypeInfoCount(UINT* n) override { *n = 0; return S_OK; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return DISP_E_UNKNOWNNAME; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*) override;

    bool userMode = true;
    FakeObject extender; // its Name and Parent are the test's
};

// Records the Message and HotKeyPress events in `log` ("event 1025");
// `answer` (when set) fills RC for a message.
class LatchetSink final : public StackObject<IDispatch> {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP GetTypeInfoCount(UINT* n) override { *n = 0; return S_OK; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return DISP_E_UNKNOWNNAME; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override;

    std::vector<std::string>* log = nullptr;
    std::function<void(long message, VARIANT& rc)> answer;
    int hotKeyPresses = 0;
    std::vector<long> messages; // nMsg, wPar, lPar of each Message event
};

} // namespace TestSupport
