#include "latchet/Latchet.h"

#include <olectl.h>

#include "common/AboutBox.h"
#include "common/ListSearch.h"
#include "common/MessageList.h"
#include "common/ModuleVersion.h"
#include "common/ObjectMembers.h"
#include "common/Tokens.h"
#include "common/Val.h"
#include "common/Version.h"
#include "latchet/ListMenu.h"
#include "latchet/Messages.h"
#include "latchet/cmLatchet.h"
#include "runtime/ComVariant.h"
#include "runtime/PropertyBag.h"

namespace {

// The dispatch ids of the properties, for the host's change notes.
enum : DISPID {
    kMessagesId = 0x68030004,
    kHookedObjectId = 0x6803000C,
    kCallOrderId = 0x6803000D,
};

const wchar_t kSource[] = L"Latchet";
const long kHotKeyMessage = 786; // WM_HOTKEY

void SetText(VARIANT* target, const std::wstring& text)
{
    VariantInit(target);
    V_VT(target) = VT_BSTR;
    V_BSTR(target) = Runtime::AllocBstr(text);
}

// The object a Variant holds (Nothing: null); false when it holds no object.
bool ObjectOf(const VARIANT& value, Runtime::ComPtr<IDispatch>& object)
{
    const VARIANT* v = V_VT(&value) == (VT_VARIANT | VT_BYREF) ? V_VARIANTREF(&value) : &value;
    IUnknown* unknown = nullptr;
    switch (V_VT(v)) {
    case VT_DISPATCH: unknown = V_DISPATCH(v); break;
    case VT_UNKNOWN: unknown = V_UNKNOWN(v); break;
    case VT_DISPATCH | VT_BYREF: unknown = *V_DISPATCHREF(v); break;
    case VT_UNKNOWN | VT_BYREF: unknown = *V_UNKNOWNREF(v); break;
    case VT_EMPTY:
    case VT_NULL: break;
    default: return false;
    }
    object.Reset();
    if (unknown && FAILED(unknown->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(object.Put())))) return false;
    return true;
}

} // namespace

Latchet::Latchet() : DualControl(CLSID_Latchet, DIID___Latchet, IID__Latchet)
{
    Messages::Init();
}

Latchet::~Latchet()
{
    UnregisterHotKey();
    ReleaseHook();
}

void* Latchet::OwnInterface(REFIID iid)
{
    if (void* dual = DualControl::OwnInterface(iid)) return dual;
    if (IsEqualIID(iid, IID_ISpecifyPropertyPages)) return static_cast<ISpecifyPropertyPages*>(this);
    return nullptr;
}

STDMETHODIMP Latchet::GetPages(CAUUID* pages)
{
    if (!pages) return E_POINTER;
    pages->pElems = static_cast<GUID*>(CoTaskMemAlloc(2 * sizeof(GUID)));
    if (!pages->pElems) {
        pages->cElems = 0;
        return E_OUTOFMEMORY;
    }
    pages->cElems = 2;
    pages->pElems[0] = CLSID_Object;
    pages->pElems[1] = CLSID_Message;
    return S_OK;
}

STDMETHODIMP Latchet::InitNew()
{
    hookedName_ = L"Me";
    return S_OK;
}

// ---- the hook ----

void Latchet::ReleaseHook()
{
    // The window is let go of now; the hook instance itself may live on
    // until a window procedure that runs it returns.
    if (hook_) hook_->LetGo();
    hook_.reset();
}

void Latchet::NewHook(HWND window)
{
    hook_ = std::make_shared<cmLatchet>(*this, window);
}

HWND Latchet::HookedWindow() const noexcept
{
    return hook_ ? hook_->Window() : nullptr;
}

void Latchet::SetHookedObject(IDispatch* object)
{
    if (!object) {
        ReleaseHook();
        hookedObject_.Reset();
        return;
    }
    HWND window = Common::ObjectHwnd(object);
    if (!window || !IsWindow(window)) return;
    if (hookedObject_ && Common::SameObject(hookedObject_.Get(), object)) return;
    ReleaseHook();
    object->AddRef();
    hookedObject_ = Runtime::ComPtr<IDispatch>(object);
    NewHook(window);
}

Runtime::ComPtr<IDispatch> Latchet::HostForm() const
{
    return Common::MemberObject(Extender().Get(), L"Parent");
}

Runtime::ComPtr<IDispatch> Latchet::ControlReference()
{
    if (Runtime::ComPtr<IDispatch> extender = Extender()) return extender;
    AddRef();
    return Runtime::ComPtr<IDispatch>(static_cast<_Latchet*>(this));
}

STDMETHODIMP Latchet::get_HookedObject(VARIANT* value)
{
    if (!value) return E_POINTER;
    VariantInit(value);
    if (UserMode()) {
        V_VT(value) = VT_DISPATCH;
        V_DISPATCH(value) = hookedObject_.Get();
        if (hookedObject_) hookedObject_->AddRef();
        return S_OK;
    }
    std::wstring name = hookedName_;
    if (name.empty()) {
        name = L"(None)";
    } else if (Runtime::ComPtr<IDispatch> form = HostForm()) {
        if (name == Common::MemberText(form.Get(), L"Name")) name = L"Me";
    }
    SetText(value, name);
    return S_OK;
}

STDMETHODIMP Latchet::put_HookedObject(VARIANT value)
{
    return Runtime::Guarded(kSource, [&] {
        Runtime::Variant text;
        if (FAILED(VariantChangeType(text.Get(), &value, 0, VT_BSTR))) Runtime::Raise(Runtime::ErrTypeMismatch);
        std::wstring name = Runtime::BstrText(V_BSTR(text.Get()));
        bool runMode = UserMode();
        if (name.empty() || name == L"(None)") {
            hookedName_ = L"(None)";
            hookedObject_.Reset();
        } else if (name == L"Me") {
            hookedName_ = name;
            if (runMode)
                if (Runtime::ComPtr<IDispatch> form = HostForm()) SetHookedObject(form.Get());
        } else if (!runMode) {
            hookedName_ = name;
        } else if (loading_) {
            hookedName_ = name;
            Runtime::ComPtr<IDispatch> control = Common::FindControl(HostForm().Get(), name);
            SetHookedObject(control.Get());
        } else {
            throw Runtime::Error(91, "In run mode you must assign a valid reference to the property using the Set "
                                     "statement.");
        }
        PropertyChanged(kHookedObjectId);
        return S_OK;
    });
}

STDMETHODIMP Latchet::putref_HookedObject(VARIANT value)
{
    return Runtime::Guarded(kSource, [&] {
        Runtime::ComPtr<IDispatch> object;
        if (!ObjectOf(value, object)) Runtime::Raise(Runtime::ErrTypeMismatch);
        SetHookedObject(object.Get());
        return S_OK;
    });
}

STDMETHODIMP Latchet::get_HookedObjectHandle(LONG* value)
{
    if (!value) return E_POINTER;
    *value = static_cast<LONG>(reinterpret_cast<INT_PTR>(HookedWindow()));
    return S_OK;
}

STDMETHODIMP Latchet::put_HookedObjectHandle(LONG value)
{
    // Window handles are 32-bit values, sign-extended in a 64-bit process.
    HWND window = reinterpret_cast<HWND>(static_cast<INT_PTR>(value));
    if (window == HookedWindow()) return S_OK;
    hookedObject_.Reset();
    ReleaseHook();
    if (window) NewHook(window);
    return S_OK;
}

// ---- simple properties ----

STDMETHODIMP Latchet::get_CallOrder(CallOrderConst* value)
{
    if (!value) return E_POINTER;
    *value = static_cast<CallOrderConst>(callOrder_);
    return S_OK;
}

STDMETHODIMP Latchet::put_CallOrder(CallOrderConst value)
{
    callOrder_ = value;
    PropertyChanged(kCallOrderId);
    return S_OK;
}

STDMETHODIMP Latchet::get_Enabled(VARIANT_BOOL* value) { return Runtime::OutFlag(enabled_, value); }

STDMETHODIMP Latchet::put_Enabled(VARIANT_BOOL value)
{
    bool enabled = value != VARIANT_FALSE;
    if (enabled == enabled_) return S_OK;
    enabled_ = enabled;
    PropertyChanged(DISPID_ENABLED);
    return S_OK;
}

STDMETHODIMP Latchet::get_List(BSTR* value)
{
    return Runtime::OutText(UserMode() ? messages_ : std::wstring(L"(List)"), value);
}

STDMETHODIMP Latchet::put_List(BSTR)
{
    if (!UserMode()) return S_OK;
    return Runtime::ErrorResult(
        Runtime::Error(382, "List property cannot be set at run time.\r\n\r\nUse Add method instead."), kSource);
}

STDMETHODIMP Latchet::get_Messages(BSTR* value) { return Runtime::OutText(messages_, value); }

STDMETHODIMP Latchet::put_Messages(BSTR value)
{
    messages_ = Runtime::BstrText(value);
    PropertyChanged(kMessagesId);
    return S_OK;
}

STDMETHODIMP Latchet::get_ControlInstance(VARIANT* value)
{
    if (!value) return E_POINTER;
    VariantInit(value);
    V_VT(value) = VT_DISPATCH;
    V_DISPATCH(value) = ControlReference().Detach();
    return S_OK;
}

STDMETHODIMP Latchet::get_Count(LONG* value)
{
    if (!value) return E_POINTER;
    *value = count_;
    return S_OK;
}

STDMETHODIMP Latchet::get_Version(BSTR* value)
{
    Common::ModuleVersion version(Runtime::ComServer::Module());
    return Runtime::OutText(Common::FormatVersion(0, version.Major(), version.Minor(), version.Revision()), value);
}

STDMETHODIMP Latchet::AboutBox()
{
    return Runtime::Guarded(kSource, [] {
        Common::AboutText(Runtime::ComServer::Module());
        return S_OK;
    });
}

// ---- the message list ----

void Latchet::RebuildMessages()
{
    std::vector<long> valid(messageList_.begin(), messageList_.begin() + count_);
    messages_ = Common::JoinRange(valid, L" ");
}

void Latchet::AddMessage(long message)
{
    if (count_ < 1) {
        messageList_.assign(1, 0);
        count_ = 0;
    } else {
        if (Common::IndexOf(std::vector<long>(messageList_.begin(), messageList_.begin() + count_), message) >= 0)
            return;
        messageList_.resize(static_cast<std::size_t>(count_) + 1);
    }
    messageList_[static_cast<std::size_t>(count_)] = message;
    ++count_;
    RebuildMessages();
}

STDMETHODIMP Latchet::Add(LONG nMsg)
{
    AddMessage(nMsg);
    return S_OK;
}

STDMETHODIMP Latchet::Remove(LONG nMsg)
{
    if (count_ == 0) return S_OK;
    int index = Common::IndexOf(std::vector<long>(messageList_.begin(), messageList_.begin() + count_), nMsg);
    if (index < 0) return S_OK;
    messageList_.erase(messageList_.begin() + index);
    --count_;
    if (count_ > 0) messageList_.resize(static_cast<std::size_t>(count_));
    RebuildMessages();
    return S_OK;
}

STDMETHODIMP Latchet::Clear()
{
    messageList_.assign(1, 0);
    count_ = 0;
    messages_.clear();
    return S_OK;
}

STDMETHODIMP Latchet::Terminate()
{
    Clear();
    menuList_.Reset();
    hookedObject_.Reset();
    ReleaseHook();
    return S_OK;
}

// ---- events ----

STDMETHODIMP Latchet::RaiseMessage(LONG nMsg, LONG wPar, LONG lPar, VARIANT* result)
{
    if (!result) return E_POINTER;
    VariantInit(result);
    if (nMsg == kHotKeyMessage) {
        Runtime::FireEvent(Events(), 2, {});
        return S_OK;
    }
    if (!enabled_ || count_ == 0 ||
        Common::IndexOf(std::vector<long>(messageList_.begin(), messageList_.begin() + count_), nMsg) < 0)
        return S_OK;
    // Message(nMsg, wPar, lPar, RC): DISPPARAMS hold the arguments last first.
    VARIANT args[4];
    V_VT(&args[0]) = VT_VARIANT | VT_BYREF;
    V_VARIANTREF(&args[0]) = result;
    V_VT(&args[1]) = VT_I4;
    V_I4(&args[1]) = lPar;
    V_VT(&args[2]) = VT_I4;
    V_I4(&args[2]) = wPar;
    V_VT(&args[3]) = VT_I4;
    V_I4(&args[3]) = nMsg;
    DISPPARAMS params{args, nullptr, 4, 0};
    for (const auto& sink : Events().Sinks<IDispatch>()) {
        Runtime::Variant ignored;
        EXCEPINFO excep{};
        HRESULT hr = sink->Invoke(1, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, ignored.Put(), &excep,
                                  nullptr);
        SysFreeString(excep.bstrSource);
        SysFreeString(excep.bstrDescription);
        SysFreeString(excep.bstrHelpFile);
        // An error of the host's handler ends the hook (the window procedure
        // sees the failure).
        if (FAILED(hr) && hr != DISP_E_MEMBERNOTFOUND && hr != DISP_E_UNKNOWNNAME) {
            VariantClear(result);
            return hr;
        }
    }
    return S_OK;
}

// ---- property pages ----

STDMETHODIMP Latchet::ControlOf(IDispatch* vObj, IDispatch** result)
{
    if (!result) return E_POINTER;
    *result = nullptr;
    if (!vObj) return S_OK;
    if (hookedObject_ && Common::SameObject(hookedObject_.Get(), vObj)) {
        *result = ControlReference().Detach();
        return S_OK;
    }
    bool runMode = UserMode();
    std::wstring key;
    if (!runMode) {
        key = Common::MemberText(vObj, L"Name");
        if (Common::IsArrayMember(vObj)) key += L"(" + Common::MemberText(vObj, L"Index") + L")";
    }
    Runtime::ComPtr<IDispatch> form = HostForm();
    Runtime::ComPtr<IDispatch> controls = Common::MemberObject(form.Get(), L"Controls");
    Runtime::Variant count;
    if (!Common::ReadMember(controls.Get(), L"Count", count) || !count.ChangeType(VT_I4)) return S_OK;
    for (long i = 0; i < V_I4(count.Get()); ++i) {
        Runtime::Variant item;
        VARIANT at;
        V_VT(&at) = VT_I4;
        V_I4(&at) = i;
        if (!Common::ReadMember(controls.Get(), L"Item", item, {at}) || !item.ChangeType(VT_DISPATCH)) continue;
        IDispatch* control = V_DISPATCH(item.Get());
        Runtime::Variant hooked;
        if (!control || !Common::ReadMember(control, L"HookedObject", hooked)) continue;
        bool match = false;
        if (runMode) {
            Runtime::ComPtr<IDispatch> other;
            match = ObjectOf(*hooked.Get(), other) && other && Common::SameObject(other.Get(), vObj);
        } else if (hooked.ChangeType(VT_BSTR)) {
            std::wstring name = Runtime::BstrText(V_BSTR(hooked.Get()));
            match = (name == L"Me" && Common::SameObject(vObj, form.Get())) || name == key;
        }
        if (match) {
            control->AddRef();
            *result = control;
            return S_OK;
        }
    }
    return S_OK;
}

STDMETHODIMP Latchet::PropertyPageHook(BSTR Parameter, BSTR, BSTR PropertyPage, VARIANT* result)
{
    if (!result) return E_POINTER;
    VariantInit(result);
    if (Runtime::BstrText(PropertyPage) != L"Object") return S_OK;
    std::wstring parameter = Runtime::BstrText(Parameter);
    if (parameter == L"PropertyName") SetText(result, L"HookedObject");
    else if (parameter == L"ControlName") SetText(result, L"Latchet");
    return S_OK;
}

STDMETHODIMP Latchet::PPMenuPopup(IDispatch* vObj)
{
    if (vObj) vObj->AddRef();
    menuList_ = Runtime::ComPtr<IDispatch>(vObj);
    return Runtime::Guarded(kSource, [&] {
        ListMenu::Popup(menuList_.Get(), nullptr);
        return S_OK;
    });
}

// ---- persistence ----

void Latchet::ReadProperties(IPropertyBag* bag)
{
    using namespace Runtime;
    if (auto order = ReadBagLong(bag, L"CallOrder")) callOrder_ = *order;
    {
        Variant enabled;
        ReadBagValue(bag, L"Enabled", enabled);
        // A missing key leaves the control enabled.
        if (enabled.Type() != VT_EMPTY && enabled.ChangeType(VT_BOOL)) enabled_ = V_BOOL(enabled.Get()) != VARIANT_FALSE;
    }
    if (auto code = ReadBagLong(bag, L"HotKeyCode")) hotKeyCode_ = *code;
    if (auto flag = ReadBagBool(bag, L"HotKeyAlt")) hotKeyAlt_ = *flag;
    if (auto flag = ReadBagBool(bag, L"HotKeyCtrl")) hotKeyCtrl_ = *flag;
    if (auto flag = ReadBagBool(bag, L"HotKeyShift")) hotKeyShift_ = *flag;
    if (auto flag = ReadBagBool(bag, L"HotKeyWin")) hotKeyWin_ = *flag;
    if (auto text = ReadBagText(bag, L"Messages")) messages_ = *text;
    if (auto name = ReadBagText(bag, L"HookedObject")) {
        loading_ = true;
        VARIANT value;
        V_VT(&value) = VT_BSTR;
        V_BSTR(&value) = AllocBstr(*name);
        put_HookedObject(value); // a name that finds nothing hooks nothing
        VariantClear(&value);
        loading_ = false;
    }
    if (!UserMode()) return;
    std::wstring stored = messages_;
    Clear();
    for (std::wstring token = Common::GetLine(stored, L" "); !token.empty(); token = Common::GetToken(stored)) {
        double number = Common::Val(token);
        // A number that is no 32-bit message number is left out.
        if (number >= -2147483648.0 && number <= 2147483647.0) AddMessage(static_cast<long>(number));
    }
    RegisterHotKey();
}

void Latchet::WriteProperties(IPropertyBag* bag)
{
    // A key that the bag refuses is passed over; the others are saved.
    Runtime::BagWriter out(bag);
    out.Long(L"CallOrder", callOrder_);
    out.Bool(L"Enabled", enabled_);
    out.Text(L"HookedObject", hookedName_);
    out.Long(L"HotKeyCode", hotKeyCode_);
    out.Bool(L"HotKeyAlt", hotKeyAlt_);
    out.Bool(L"HotKeyCtrl", hotKeyCtrl_);
    out.Bool(L"HotKeyShift", hotKeyShift_);
    out.Bool(L"HotKeyWin", hotKeyWin_);
    out.Text(L"Messages", messages_);
}
