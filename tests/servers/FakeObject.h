#pragma once
// A late-bound object of a host, made small for the tests: a form, a
// control, an extender or a Controls collection.
#include <windows.h>
#include <oaidl.h>

#include <string>
#include <vector>

#include "runtime/ScopedWin.h"
#include "tests/servers/StubBase.h"

namespace TestSupport {

// Properties by name (case ignored), each a Variant (an object is held
// without a reference); "Item" with an index
// gives the element of `items`. Unknown names are unknown members.
class FakeObject final : public DispatchStub {
public:
    ~FakeObject();
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

} // namespace TestSupport
