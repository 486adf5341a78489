#pragma once
// The class factory of an in-process server: one per class, it makes new
// objects through the class's creation function.
#include <windows.h>
#include <objbase.h>

#include <atomic>

#include "runtime/ComServer.h"

namespace Runtime {

// Makes a new object and asks it for `iid`; the object must not be
// aggregated (`outer` is refused by the factory before this is called).
using CreateObject = HRESULT (*)(REFIID iid, void** object);

class ClassFactory final : public IClassFactory {
public:
    explicit ClassFactory(CreateObject create) noexcept : create_(create) {}

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
    STDMETHODIMP LockServer(BOOL lock) override;

private:
    ComServer::ObjectLock lock_;
    std::atomic<ULONG> refs_{1};
    CreateObject create_;
};

// DllGetClassObject for a server with one class: the factory of `create`
// when `requested` is `offered`.
HRESULT GetClassObject(REFCLSID requested, REFCLSID offered, CreateObject create, REFIID iid, void** object);

} // namespace Runtime
