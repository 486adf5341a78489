#pragma once
// The common part of the tests' COM stubs: reference counting for objects
// that live on the test's stack, the end of a QueryInterface that found
// its interface, and the members of an IDispatch stub that has no type
// information.
#include <windows.h>
#include <oaidl.h>

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

// A late-bound object of the test: IUnknown and IDispatch answered, no type
// information, no names unless the stub knows some; it answers Invoke.
class DispatchStub : public StackObject<IDispatch> {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch))
            return Answer(this, static_cast<IDispatch*>(this), object);
        *object = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP GetTypeInfoCount(UINT* n) override { *n = 0; return S_OK; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return DISP_E_UNKNOWNNAME; }
};

} // namespace TestSupport
