#include "tests/servers/FakeObject.h"

#include "tests/servers/ComTestObjects.h"

namespace TestSupport {

FakeObject::~FakeObject()
{
    for (VARIANT& value : values_)
        if (V_VT(&value) != VT_DISPATCH) VariantClear(&value);
}

STDMETHODIMP FakeObject::GetTypeInfo(UINT, LCID, ITypeInfo** info)
{
    if (!info) return E_POINTER;
    *info = typeInfo_.Get();
    if (!*info) return E_NOTIMPL;
    (*info)->AddRef();
    return S_OK;
}

void FakeObject::SetTypeName(const std::wstring& name)
{
    Runtime::ComPtr<ICreateTypeLib2> library;
    Runtime::ComPtr<ICreateTypeInfo> created;
    if (FAILED(CreateTypeLib2(SYS_WIN64, L"FakeObject.tlb", library.Put())) ||
        FAILED(library->CreateTypeInfo(const_cast<LPOLESTR>(name.c_str()), TKIND_DISPATCH, created.Put())) ||
        FAILED(created->LayOut()))
        return;
    created->QueryInterface(IID_ITypeInfo, reinterpret_cast<void**>(typeInfo_.Put()));
}

int FakeObject::Slot(const std::wstring& name)
{
    for (std::size_t i = 0; i < names_.size(); ++i)
        if (_wcsicmp(names_[i].c_str(), name.c_str()) == 0) return static_cast<int>(i);
    return -1;
}

STDMETHODIMP FakeObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids)
{
    if (count != 1) return DISP_E_UNKNOWNNAME;
    if (_wcsicmp(names[0], L"Item") == 0) {
        ids[0] = DISPID_VALUE;
        return S_OK;
    }
    int slot = Slot(names[0]);
    ids[0] = slot < 0 ? DISPID_UNKNOWN : slot + 1;
    return slot < 0 ? DISP_E_UNKNOWNNAME : S_OK;
}

STDMETHODIMP FakeObject::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                                UINT*)
{
    if (id == DISPID_VALUE) {
        if (!params || params->cArgs != 1 || !result) return DISP_E_BADPARAMCOUNT;
        VARIANT index;
        VariantInit(&index);
        if (FAILED(VariantChangeType(&index, &params->rgvarg[0], 0, VT_I4))) return DISP_E_TYPEMISMATCH;
        if (V_I4(&index) < 0 || static_cast<std::size_t>(V_I4(&index)) >= items.size()) return DISP_E_BADINDEX;
        VariantInit(result);
        V_VT(result) = VT_DISPATCH;
        V_DISPATCH(result) = items[static_cast<std::size_t>(V_I4(&index))];
        V_DISPATCH(result)->AddRef();
        return S_OK;
    }
    if (id < 1 || static_cast<std::size_t>(id) > values_.size()) return DISP_E_MEMBERNOTFOUND;
    if (!result) return S_OK;
    VariantInit(result);
    return VariantCopy(result, &values_[static_cast<std::size_t>(id - 1)]);
}

void FakeObject::Set(const std::wstring& name, const VARIANT& value)
{
    int slot = Slot(name);
    if (slot < 0) {
        names_.push_back(name);
        values_.emplace_back();
        VariantInit(&values_.back());
        slot = static_cast<int>(names_.size()) - 1;
    }
    VARIANT& stored = values_[static_cast<std::size_t>(slot)];
    // Objects are held without a reference: the test's objects live on its
    // stack and may go in any order.
    if (V_VT(&stored) == VT_DISPATCH) V_VT(&stored) = VT_EMPTY;
    if (V_VT(&value) == VT_DISPATCH) {
        VariantClear(&stored);
        stored = value;
    } else {
        VariantCopy(&stored, const_cast<VARIANT*>(&value));
    }
}

void FakeObject::SetText(const std::wstring& name, const std::wstring& text)
{
    VARIANT value = TextArg(text);
    Set(name, value);
    VariantClear(&value);
}

void FakeObject::SetLong(const std::wstring& name, long value) { Set(name, LongArg(value)); }

void FakeObject::SetObject(const std::wstring& name, IDispatch* object)
{
    VARIANT value;
    V_VT(&value) = VT_DISPATCH;
    V_DISPATCH(&value) = object;
    Set(name, value);
}

void FakeObject::SetWindow(HWND window)
{
    SetLong(L"hWnd", static_cast<long>(reinterpret_cast<INT_PTR>(window)));
}

} // namespace TestSupport
