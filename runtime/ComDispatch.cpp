#include "runtime/ComDispatch.h"

#include <string>

#include "runtime/ComServer.h"
#include "runtime/ComVariant.h"

namespace Runtime {

ComPtr<ITypeInfo> ServerTypeInfo(REFIID iid)
{
    ComPtr<ITypeLib> library;
    ComPtr<ITypeInfo> info;
    std::wstring path = ComServer::ModulePath();
    if (SUCCEEDED(LoadTypeLibEx(path.c_str(), REGKIND_NONE, library.Put())))
        library->GetTypeInfoOfGuid(iid, info.Put());
    return info;
}

HRESULT TypeInfoDispatch::GetTypeInfoCount(UINT* count)
{
    if (!count) return E_POINTER;
    *count = typeInfo_ ? 1 : 0;
    return S_OK;
}

HRESULT TypeInfoDispatch::GetTypeInfo(UINT index, ITypeInfo** info)
{
    if (!info) return E_POINTER;
    *info = nullptr;
    if (index != 0 || !typeInfo_) return DISP_E_BADINDEX;
    typeInfo_->AddRef();
    *info = typeInfo_.Get();
    return S_OK;
}

HRESULT TypeInfoDispatch::GetIDsOfNames(LPOLESTR* names, UINT count, DISPID* ids)
{
    if (!typeInfo_) return E_UNEXPECTED;
    return DispGetIDsOfNames(typeInfo_.Get(), names, count, ids);
}

HRESULT TypeInfoDispatch::Invoke(void* self, DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result,
                                 EXCEPINFO* excep, UINT* argError)
{
    if (!typeInfo_) return E_UNEXPECTED;
    SetErrorInfo(0, nullptr);
    return typeInfo_->Invoke(self, id, flags, params, result, excep, argError);
}

HRESULT ErrorResult(const Error& error, const wchar_t* source)
{
    ComPtr<ICreateErrorInfo> create;
    if (SUCCEEDED(CreateErrorInfo(create.Put()))) {
        std::string message = error.what();
        std::wstring text(message.begin(), message.end());
        create->SetDescription(text.data());
        create->SetSource(const_cast<LPOLESTR>(source));
        ComPtr<IErrorInfo> info;
        if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(info.Put()))))
            SetErrorInfo(0, info.Get());
    }
    return MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, error.Number() & 0xFFFF);
}

} // namespace Runtime
