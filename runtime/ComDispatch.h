#pragma once
// Dispatch through the server's embedded type library: a dual interface's
// IDispatch methods hand names and calls to the interface's ITypeInfo, which
// calls the interface's own methods. Run-time errors leave a method as a
// failure code with error information, which ITypeInfo::Invoke turns into
// DISP_E_EXCEPTION with the error's number and message.
#include <windows.h>
#include <oaidl.h>

#include "runtime/RuntimeError.h"
#include "runtime/ScopedWin.h"

namespace Runtime {

// The type information of `iid` from the type library that is resource 1 of
// the server module; empty when it cannot be loaded.
ComPtr<ITypeInfo> ServerTypeInfo(REFIID iid);

// IDispatch on top of one interface's type information.
class TypeInfoDispatch {
public:
    explicit TypeInfoDispatch(REFIID iid) : typeInfo_(ServerTypeInfo(iid)) {}

    HRESULT GetTypeInfoCount(UINT* count);
    HRESULT GetTypeInfo(UINT index, ITypeInfo** info);
    HRESULT GetIDsOfNames(LPOLESTR* names, UINT count, DISPID* ids);
    // `self` is the interface pointer that the type information describes.
    HRESULT Invoke(void* self, DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* excep,
                   UINT* argError);

private:
    ComPtr<ITypeInfo> typeInfo_;
};

// The failure code of run-time error `number` (FACILITY_CONTROL, as the
// classic runtime reports its errors) after recording its message as the
// thread's error information, with `source` as its source.
HRESULT ErrorResult(const Error& error, const wchar_t* source);

// Runs `body` (which returns an HRESULT) and turns a run-time error or any
// other exception into a failure code: no exception crosses the interface.
template <typename F>
HRESULT Guarded(const wchar_t* source, F body) noexcept
{
    try {
        return body();
    } catch (const Error& error) {
        return ErrorResult(error, source);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

} // namespace Runtime
