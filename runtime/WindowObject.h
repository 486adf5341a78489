#pragma once
// A form as a hosted control sees it: a late-bound object with the form's
// window handle ("hWnd") and its name ("Name"), both read-only. Made with
// one reference; the control may keep further ones as long as it likes, as
// the object holds values only.
#include <windows.h>
#include <oaidl.h>

#include <string>

namespace Runtime {

class WindowObject final : public IDispatch {
public:
    WindowObject(HWND window, std::wstring name) : window_(window), name_(std::move(name)) {}

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                        UINT*) override;

private:
    ~WindowObject() = default;
    ULONG refs_ = 1;
    HWND window_;
    std::wstring name_;
};

} // namespace Runtime
