#include "latchet/CheckListObject.h"

#include <new>

#include "latchet/CheckList.h"
#include "runtime/ComVariant.h"

namespace {

enum Member : DISPID { ListCount = 1, Selected, ListIndex, List, ItemData, HWnd };

const wchar_t* const kNames[] = {L"ListCount", L"Selected", L"ListIndex", L"List", L"ItemData", L"hWnd"};

// Members that take an item index.
bool Indexed(DISPID id)
{
    return id == Selected || id == List || id == ItemData;
}

bool ReadLong(const VARIANT& from, long& value)
{
    Runtime::Variant copy;
    if (FAILED(VariantCopy(copy.Get(), const_cast<VARIANT*>(&from))) || !copy.ChangeType(VT_I4)) return false;
    value = V_I4(copy.Get());
    return true;
}

} // namespace

CheckListObject* CheckListObject::Create(HWND list, std::function<void(int)> onCheck)
{
    return new (std::nothrow) CheckListObject(list, std::move(onCheck));
}

void CheckListObject::Detach()
{
    list_ = nullptr;
    onCheck_ = nullptr;
}

STDMETHODIMP CheckListObject::QueryInterface(REFIID iid, void** object)
{
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CheckListObject::Release()
{
    ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
}

STDMETHODIMP CheckListObject::GetTypeInfoCount(UINT* count)
{
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

STDMETHODIMP CheckListObject::GetTypeInfo(UINT, LCID, ITypeInfo** info)
{
    if (info) *info = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP CheckListObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids)
{
    if (!names || !ids || count == 0) return E_INVALIDARG;
    for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
    for (DISPID id = ListCount; id <= HWnd; ++id)
        if (names[0] && _wcsicmp(names[0], kNames[id - 1]) == 0) {
            ids[0] = id;
            return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
        }
    return DISP_E_UNKNOWNNAME;
}

STDMETHODIMP CheckListObject::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO*, UINT* argError)
{
    if (id < ListCount || id > HWnd) return DISP_E_MEMBERNOTFOUND;
    if (!params) return E_INVALIDARG;
    bool put = (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
    // The arguments come last first: a put's value is rgvarg[0], its
    // index rgvarg[1]; a get's index is rgvarg[0].
    UINT indexArgs = params->cArgs - (put ? 1u : 0u);
    if (put && params->cArgs == 0) return DISP_E_PARAMNOTOPTIONAL;
    if (indexArgs != (Indexed(id) ? 1u : 0u)) return DISP_E_BADPARAMCOUNT;
    long index = -1;
    if (indexArgs == 1 && !ReadLong(params->rgvarg[put ? 1 : 0], index)) {
        if (argError) *argError = put ? 1 : 0;
        return DISP_E_TYPEMISMATCH;
    }
    if (Indexed(id) && (index < 0 || index >= CheckList::Count(list_))) return DISP_E_BADINDEX;
    if (put) return Put(id, index, params->rgvarg[0]);
    if (!result) return S_OK;
    return Get(id, index, result);
}

HRESULT CheckListObject::Get(DISPID id, long index, VARIANT* result) const
{
    VariantInit(result);
    V_VT(result) = VT_I4;
    switch (id) {
    case ListCount: V_I4(result) = CheckList::Count(list_); break;
    case ListIndex: V_I4(result) = CheckList::Current(list_); break;
    case ItemData: V_I4(result) = CheckList::Data(list_, index); break;
    case HWnd: V_I4(result) = static_cast<LONG>(reinterpret_cast<INT_PTR>(list_)); break;
    case Selected:
        V_VT(result) = VT_BOOL;
        V_BOOL(result) = CheckList::Checked(list_, index) ? VARIANT_TRUE : VARIANT_FALSE;
        break;
    case List:
        V_VT(result) = VT_BSTR;
        V_BSTR(result) = Runtime::AllocBstr(CheckList::Text(list_, index));
        if (!V_BSTR(result)) return E_OUTOFMEMORY;
        break;
    default: return DISP_E_MEMBERNOTFOUND;
    }
    return S_OK;
}

HRESULT CheckListObject::Put(DISPID id, long index, const VARIANT& value)
{
    long number = 0;
    if (!ReadLong(value, number)) return DISP_E_TYPEMISMATCH;
    if (id == Selected) {
        if (CheckList::SetChecked(list_, index, number != 0) && onCheck_) onCheck_(static_cast<int>(index));
        return S_OK;
    }
    if (id == ListIndex) {
        if (number < -1 || number >= CheckList::Count(list_)) return DISP_E_OVERFLOW;
        CheckList::SetCurrent(list_, static_cast<int>(number));
        return S_OK;
    }
    return DISP_E_MEMBERNOTFOUND;
}
