#pragma once
// A page's check list as the control's list menu reaches it, late bound:
// ListCount, Selected(i) (the item's check), ListIndex (the current item),
// List(i), ItemData(i) and hWnd. A check changed through it runs the
// page's check handler with the item's index, as the user's check runs it. When the page's window
// goes the page detaches it; the control may still hold it, and it is then
// an empty list.
#include <windows.h>
#include <oaidl.h>

#include <atomic>
#include <functional>

#include "runtime/ComServer.h"

class CheckListObject final : public IDispatch {
public:
    // A new object over `list` with one reference, which the caller owns.
    static CheckListObject* Create(HWND list, std::function<void(int)> onCheck);
    void Detach();

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override;

    // IDispatch, by the member names above
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                        UINT* argError) override;

private:
    CheckListObject(HWND list, std::function<void(int)> onCheck) : list_(list), onCheck_(std::move(onCheck)) {}
    HRESULT Get(DISPID id, long index, VARIANT* result) const;
    HRESULT Put(DISPID id, long index, const VARIANT& value);

    Runtime::ComServer::ObjectLock lock_;
    std::atomic<ULONG> refs_{1};
    HWND list_;
    std::function<void(int)> onCheck_;
};
