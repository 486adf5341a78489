#include "common/ObjectMembers.h"

#include <algorithm>

#include "common/TextCompare.h"
#include "common/Val.h"

namespace Common {

bool ReadMember(IDispatch* object, const wchar_t* name, Runtime::Variant& value, std::vector<VARIANT> args)
{
    if (!object) return false;
    LPOLESTR member = const_cast<LPOLESTR>(name);
    DISPID id = DISPID_UNKNOWN;
    if (FAILED(object->GetIDsOfNames(IID_NULL, &member, 1, LOCALE_USER_DEFAULT, &id))) return false;
    std::reverse(args.begin(), args.end());
    DISPPARAMS params{args.data(), nullptr, static_cast<UINT>(args.size()), 0};
    return SUCCEEDED(object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET | DISPATCH_METHOD,
                                    &params, value.Put(), nullptr, nullptr));
}

std::wstring MemberText(IDispatch* object, const wchar_t* name)
{
    Runtime::Variant value;
    if (!ReadMember(object, name, value) || !value.ChangeType(VT_BSTR)) return {};
    return Runtime::BstrText(V_BSTR(value.Get()));
}

Runtime::ComPtr<IDispatch> MemberObject(IDispatch* object, const wchar_t* name)
{
    Runtime::Variant value;
    Runtime::ComPtr<IDispatch> result;
    if (ReadMember(object, name, value) && value.ChangeType(VT_DISPATCH) && V_DISPATCH(value.Get()))
        V_DISPATCH(value.Get())->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(result.Put()));
    return result;
}

HWND ObjectHwnd(IDispatch* object)
{
    Runtime::Variant value;
    if (!ReadMember(object, L"hWnd", value) || !value.ChangeType(VT_I8)) return nullptr;
    return reinterpret_cast<HWND>(static_cast<INT_PTR>(V_I8(value.Get())));
}

bool HasControls(IDispatch* object)
{
    Runtime::ComPtr<IDispatch> controls = MemberObject(object, L"Controls");
    Runtime::Variant count;
    return controls && ReadMember(controls.Get(), L"Count", count);
}

bool IsArrayMember(IDispatch* object)
{
    Runtime::Variant index;
    return ReadMember(object, L"Index", index) && index.ChangeType(VT_I4) && V_I4(index.Get()) >= 0;
}

Runtime::ComPtr<IDispatch> FindControl(IDispatch* container, const std::wstring& name)
{
    if (name.empty() || !HasControls(container)) return {};
    std::wstring base = name;
    long index = 0;
    if (name.front() == L'(') {
        index = -1;
    } else if (auto open = name.find(L'('); open != std::wstring::npos) {
        base = name.substr(0, open);
        auto close = name.find(L')', open);
        index = static_cast<long>(Val(name.substr(open + 1, close == std::wstring::npos ? std::wstring::npos
                                                                                         : close - open - 1)));
    }
    Runtime::ComPtr<IDispatch> controls = MemberObject(container, L"Controls");
    Runtime::Variant count;
    if (!ReadMember(controls.Get(), L"Count", count) || !count.ChangeType(VT_I4)) return {};
    for (long i = 0; i < V_I4(count.Get()); ++i) {
        Runtime::Variant item;
        VARIANT at;
        V_VT(&at) = VT_I4;
        V_I4(&at) = i;
        if (!ReadMember(controls.Get(), L"Item", item, {at}) || !item.ChangeType(VT_DISPATCH) ||
            !V_DISPATCH(item.Get()))
            continue;
        IDispatch* control = V_DISPATCH(item.Get());
        if (!TextEqual(MemberText(control, L"Name"), base, 1)) continue;
        Runtime::Variant controlIndex;
        bool member = IsArrayMember(control);
        if (member && ReadMember(control, L"Index", controlIndex) && controlIndex.ChangeType(VT_I4) &&
            V_I4(controlIndex.Get()) != index)
            continue;
        control->AddRef();
        return Runtime::ComPtr<IDispatch>(control);
    }
    return {};
}

bool SameObject(IUnknown* a, IUnknown* b)
{
    if (!a || !b) return a == b;
    Runtime::ComPtr<IUnknown> ua, ub;
    a->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(ua.Put()));
    b->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(ub.Put()));
    return ua.Get() == ub.Get();
}

} // namespace Common
