#include "runtime/HostedControl.h"

#include <algorithm>
#include <vector>

namespace Runtime {

namespace {

using EntryClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
using EntryCanUnload = HRESULT(STDAPICALLTYPE*)();

// The folder of the running program, with a trailing "\".
std::wstring ProgramFolder()
{
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    path.resize(length);
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

bool CanUnload(HMODULE server)
{
    auto canUnload = reinterpret_cast<EntryCanUnload>(GetProcAddress(server, "DllCanUnloadNow"));
    return canUnload && canUnload() == S_OK;
}

// The loads of servers whose control was let go while something of theirs
// was still alive: closed from inside one of the control's own calls (a
// check that processes window messages), or with an object still held.
std::vector<HMODULE>& ServersWaiting()
{
    static std::vector<HMODULE> servers;
    return servers;
}

// Lets go of each waiting load whose server says it can go now, with no
// object of it alive: a call into a control holds the control until it
// returns (Call does, and a control whose call processes window messages
// holds itself), so a server says no while code of it can still run.
void FreeServersThatCanGo()
{
    std::vector<HMODULE>& servers = ServersWaiting();
    for (auto it = servers.begin(); it != servers.end();) {
        if (CanUnload(*it)) {
            HMODULE server = *it;
            it = servers.erase(it);
            FreeLibrary(server);
        } else {
            ++it;
        }
    }
}

} // namespace

ComPtr<IClassFactory> HostedControl::FactoryBesideProgram(REFCLSID classId, const std::wstring& serverFile)
{
    ComPtr<IClassFactory> factory;
    std::wstring path = ProgramFolder() + serverFile;
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) return factory;
    HMODULE server = LoadLibraryW(path.c_str());
    if (!server) return factory;
    auto getClass = reinterpret_cast<EntryClassObject>(GetProcAddress(server, "DllGetClassObject"));
    if (!getClass || FAILED(getClass(classId, IID_IClassFactory, reinterpret_cast<void**>(factory.Put())))) {
        factory.Reset();
        FreeLibrary(server);
        return factory;
    }
    server_ = server;
    return factory;
}

bool HostedControl::Create(REFCLSID classId, const std::wstring& serverFile, REFIID events, HWND host, RECT place,
                           const std::wstring& name)
{
    Close();
    // Sited controls need OLE on this thread; the host keeps it up while it holds one.
    if (FAILED(OleInitialize(nullptr))) return false;
    oleStarted_ = true;
    ComPtr<IClassFactory> factory = FactoryBesideProgram(classId, serverFile);
    if (!factory &&
        FAILED(CoGetClassObject(classId, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory,
                                reinterpret_cast<void**>(factory.Put())))) {
        Close();
        return false;
    }
    if (FAILED(factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(object_.Put())))) {
        Close();
        return false;
    }
    factory.Reset();
    site_ = new HostSite(host, place, name, events);
    if (SUCCEEDED(object_->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(ole_.Put()))))
        ole_->SetClientSite(site_);
    ComPtr<IPersistPropertyBag> persist;
    if (SUCCEEDED(object_->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(persist.Put()))))
        persist->InitNew();
    ComPtr<IConnectionPointContainer> points;
    if (SUCCEEDED(object_->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(points.Put()))) &&
        SUCCEEDED(points->FindConnectionPoint(events, events_.Put())) &&
        FAILED(events_->Advise(site_->EventSink(), &cookie_)))
        events_.Reset();
    if (ole_) ole_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_, 0, host, &place);
    return true;
}

void HostedControl::SetVisible(bool visible)
{
    if (ole_) ole_->DoVerb(visible ? OLEIVERB_SHOW : OLEIVERB_HIDE, nullptr, site_, 0, nullptr, nullptr);
}

void HostedControl::OnEvent(HostSite::EventFn handler)
{
    if (site_) site_->Event = std::move(handler);
}

DISPID HostedControl::IdOf(const wchar_t* name) const
{
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    if (!object_ || FAILED(object_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id)))
        return DISPID_UNKNOWN;
    return id;
}

HRESULT HostedControl::Assign(const wchar_t* name, const VARIANT& value, WORD how)
{
    DISPID id = IdOf(name);
    if (id == DISPID_UNKNOWN) return DISP_E_UNKNOWNNAME;
    VARIANT arg = value;
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{&arg, &named, 1, 1};
    return object_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, how, &params, nullptr, nullptr, nullptr);
}

HRESULT HostedControl::Put(const wchar_t* name, const VARIANT& value)
{
    return Assign(name, value, DISPATCH_PROPERTYPUT);
}

HRESULT HostedControl::PutRef(const wchar_t* name, IDispatch* object)
{
    VARIANT v;
    V_VT(&v) = VT_DISPATCH;
    V_DISPATCH(&v) = object;
    return Assign(name, v, DISPATCH_PROPERTYPUTREF);
}

HRESULT HostedControl::PutText(const wchar_t* name, const std::wstring& text)
{
    Variant value;
    V_VT(value.Get()) = VT_BSTR;
    V_BSTR(value.Get()) = AllocBstr(text);
    return Put(name, *value.Get());
}

HRESULT HostedControl::PutLong(const wchar_t* name, long value)
{
    VARIANT v;
    V_VT(&v) = VT_I4;
    V_I4(&v) = value;
    return Put(name, v);
}

HRESULT HostedControl::PutBool(const wchar_t* name, bool value)
{
    VARIANT v;
    V_VT(&v) = VT_BOOL;
    V_BOOL(&v) = value ? VARIANT_TRUE : VARIANT_FALSE;
    return Put(name, v);
}

HRESULT HostedControl::Call(const wchar_t* name, std::vector<VARIANT> args, Variant& result)
{
    DISPID id = IdOf(name);
    if (id == DISPID_UNKNOWN) return DISP_E_UNKNOWNNAME;
    std::reverse(args.begin(), args.end()); // dispatch takes the last argument first
    DISPPARAMS params{args.data(), nullptr, static_cast<UINT>(args.size()), 0};
    EXCEPINFO excep{};
    HRESULT hr;
    {
        // Held for the call: the host may let go of the control while it runs.
        ComPtr<IDispatch> object = object_;
        hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, result.Put(), &excep,
                            nullptr);
    }
    // A server whose control was let go during the call may go now.
    FreeServersThatCanGo();
    SysFreeString(excep.bstrSource);
    SysFreeString(excep.bstrDescription);
    SysFreeString(excep.bstrHelpFile);
    return hr;
}

void HostedControl::Close()
{
    if (events_) {
        events_->Unadvise(cookie_);
        events_.Reset();
    }
    if (ole_) {
        ole_->Close(OLECLOSE_NOSAVE);
        ole_->SetClientSite(nullptr);
        ole_.Reset();
    }
    object_.Reset();
    if (site_) {
        site_->Event = nullptr;
        site_->Release();
        site_ = nullptr;
    }
    if (server_) {
        // The server goes only when nothing of it is alive any more; until
        // then its load waits, and goes when the call that holds it returns
        // or at a later close.
        ServersWaiting().push_back(server_);
        server_ = nullptr;
    }
    FreeServersThatCanGo();
    if (oleStarted_) {
        OleUninitialize();
        oleStarted_ = false;
    }
}

} // namespace Runtime
