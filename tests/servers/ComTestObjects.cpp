#include "tests/servers/ComTestObjects.h"

#include <olectl.h>

#include <algorithm>

namespace TestSupport {

PropertyBagStub::~PropertyBagStub()
{
    for (auto& [name, value] : values_) VariantClear(&value);
}

STDMETHODIMP PropertyBagStub::QueryInterface(REFIID iid, void** object)
{
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IPropertyBag))
        return Answer(this, static_cast<IPropertyBag*>(this), object);
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP PropertyBagStub::Read(LPCOLESTR name, VARIANT* value, IErrorLog*)
{
    auto it = values_.find(name);
    if (it == values_.end()) return E_INVALIDARG;
    return VariantCopy(value, &it->second);
}

STDMETHODIMP PropertyBagStub::Write(LPCOLESTR name, VARIANT* value)
{
    if (failWrites || refusedKeys.count(name)) return E_FAIL;
    VARIANT& slot = values_[name];
    VariantClear(&slot);
    order_.push_back(name);
    return VariantCopy(&slot, value);
}

void PropertyBagStub::SetText(const std::wstring& name, const std::wstring& text)
{
    VARIANT value = TextArg(text);
    Write(name.c_str(), &value);
    VariantClear(&value);
}

const VARIANT* PropertyBagStub::Find(const std::wstring& name) const
{
    auto it = values_.find(name);
    return it == values_.end() ? nullptr : &it->second;
}

std::vector<std::wstring> PropertyBagStub::Keys() const { return order_; }

SiteStub::SiteStub(std::wstring ambientName, const std::wstring& extenderName)
    : offersExtender(!extenderName.empty()), ambientName_(std::move(ambientName))
{
    if (offersExtender) extender.SetText(L"Name", extenderName);
}

STDMETHODIMP SiteStub::QueryInterface(REFIID iid, void** object)
{
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite))
        return Answer(this, static_cast<IOleClientSite*>(this), object);
    if (IsEqualIID(iid, IID_IDispatch)) return Answer(this, static_cast<IDispatch*>(this), object);
    if (IsEqualIID(iid, IID_IOleControlSite)) return Answer(this, static_cast<IOleControlSite*>(this), object);
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP SiteStub::GetExtendedControl(IDispatch** result)
{
    *result = nullptr;
    if (!offersExtender) return E_NOTIMPL;
    return extender.QueryInterface(IID_IDispatch, reinterpret_cast<void**>(result));
}

STDMETHODIMP SiteStub::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*)
{
    if (!result) return DISP_E_MEMBERNOTFOUND;
    if (id == DISPID_AMBIENT_DISPLAYNAME && !ambientName_.empty()) {
        *result = TextArg(ambientName_);
        return S_OK;
    }
    if (id == DISPID_AMBIENT_USERMODE) {
        *result = BoolArg(userMode);
        return S_OK;
    }
    return DISP_E_MEMBERNOTFOUND;
}

STDMETHODIMP InPlaceSiteStub::QueryInterface(REFIID iid, void** object)
{
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite))
        return Answer(this, static_cast<IOleClientSite*>(this), object);
    if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceSite))
        return Answer(this, static_cast<IOleInPlaceSite*>(this), object);
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP InPlaceSiteStub::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                               LPRECT position, LPRECT clip, LPOLEINPLACEFRAMEINFO)
{
    *frame = nullptr;
    *document = nullptr;
    *position = position_;
    *clip = position_;
    return S_OK;
}

STDMETHODIMP EventSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*)
{
    if (id == 1 && params && params->cArgs == 1) newVersions.push_back(TextOf(params->rgvarg[0]));
    return S_OK;
}

STDMETHODIMP ChangeSink::QueryInterface(REFIID iid, void** object)
{
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IPropertyNotifySink))
        return Answer(this, static_cast<IPropertyNotifySink*>(this), object);
    *object = nullptr;
    return E_NOINTERFACE;
}

DWORD Connect(IUnknown* control, REFIID iid, IUnknown* sink)
{
    Runtime::ComPtr<IConnectionPointContainer> container;
    Runtime::ComPtr<IConnectionPoint> point;
    DWORD cookie = 0;
    if (SUCCEEDED(control->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(container.Put()))) &&
        SUCCEEDED(container->FindConnectionPoint(iid, point.Put())))
        point->Advise(sink, &cookie);
    return cookie;
}

DISPID IdOf(IDispatch* object, const wchar_t* name)
{
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    return id;
}

HRESULT GetProperty(IDispatch* object, const wchar_t* name, Runtime::Variant& value)
{
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    return object->Invoke(IdOf(object, name), IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none,
                          value.Put(), nullptr, nullptr);
}

HRESULT PutProperty(IDispatch* object, const wchar_t* name, const VARIANT& value)
{
    VARIANT arg = value;
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS params{&arg, &put, 1, 1};
    return object->Invoke(IdOf(object, name), IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr,
                          nullptr, nullptr);
}

HRESULT CallMethod(IDispatch* object, const wchar_t* name, std::vector<VARIANT> args, Runtime::Variant& result,
                   EXCEPINFO* excep)
{
    std::reverse(args.begin(), args.end());
    DISPPARAMS params{args.data(), nullptr, static_cast<UINT>(args.size()), 0};
    EXCEPINFO local{};
    HRESULT hr = object->Invoke(IdOf(object, name), IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                                result.Put(), excep ? excep : &local, nullptr);
    if (!excep) {
        SysFreeString(local.bstrSource);
        SysFreeString(local.bstrDescription);
        SysFreeString(local.bstrHelpFile);
    }
    return hr;
}

VARIANT TextArg(const std::wstring& text)
{
    VARIANT v;
    V_VT(&v) = VT_BSTR;
    V_BSTR(&v) = Runtime::AllocBstr(text);
    return v;
}

VARIANT LongArg(long value)
{
    VARIANT v;
    V_VT(&v) = VT_I4;
    V_I4(&v) = value;
    return v;
}

VARIANT BoolArg(bool value)
{
    VARIANT v;
    V_VT(&v) = VT_BOOL;
    V_BOOL(&v) = value ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
}

VARIANT ByRefArg(VARIANT* target)
{
    VARIANT v;
    V_VT(&v) = VT_BYREF | VT_VARIANT;
    V_VARIANTREF(&v) = target;
    return v;
}

VARIANT MissingArg()
{
    VARIANT v;
    V_VT(&v) = VT_ERROR;
    V_ERROR(&v) = DISP_E_PARAMNOTFOUND;
    return v;
}

std::wstring TextOf(const VARIANT& value)
{
    VARIANT copy;
    VariantInit(&copy);
    std::wstring text;
    if (SUCCEEDED(VariantChangeType(&copy, const_cast<VARIANT*>(&value), 0, VT_BSTR)))
        text = Runtime::BstrText(V_BSTR(&copy));
    VariantClear(&copy);
    return text;
}

} // namespace TestSupport
