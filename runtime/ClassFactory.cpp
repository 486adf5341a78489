#include "runtime/ClassFactory.h"

#include "runtime/ScopedWin.h"

namespace Runtime {

STDMETHODIMP ClassFactory::QueryInterface(REFIID iid, void** object)
{
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
        *object = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) ClassFactory::Release()
{
    ULONG refs = --refs_;
    if (refs == 0) delete this;
    return refs;
}

STDMETHODIMP ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object)
{
    if (!object) return E_POINTER;
    *object = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    return create_(iid, object);
}

STDMETHODIMP ClassFactory::LockServer(BOOL lock)
{
    if (lock)
        ComServer::AddLock();
    else
        ComServer::RemoveLock();
    return S_OK;
}

HRESULT GetClassObject(REFCLSID requested, REFCLSID offered, CreateObject create, REFIID iid, void** object)
{
    if (!object) return E_POINTER;
    *object = nullptr;
    if (!IsEqualCLSID(requested, offered)) return CLASS_E_CLASSNOTAVAILABLE;
    ComPtr<ClassFactory> factory(new ClassFactory(create));
    return factory->QueryInterface(iid, object);
}

} // namespace Runtime
