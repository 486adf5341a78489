#include "tests/servers/LatchetFixture.h"

#include <objbase.h>
#include <olectl.h>

#include "tests/support/ServerEntry.h"

namespace TestSupport {

namespace {

using EntryClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);

std::vector<std::string>* gLog = nullptr;

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (WatchedMessages().count(message)) {
        if (gLog) gLog->push_back("window " + std::to_string(message));
        return kWindowAnswer;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

const wchar_t kWindowClass[] = L"LatchetTestWindow";

} // namespace

std::set<UINT>& WatchedMessages()
{
    static std::set<UINT> watched{WM_USER + 1, WM_USER + 2, 3000, WM_APP + 5};
    return watched;
}

void LatchetFixture::SetUp()
{
    CoInitialize(nullptr);
    gLog = &log;
    sink.log = &log;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = TestWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassW(&windowClass);
    LoadServer();
    ASSERT_NE(dll_, nullptr);
    control = NewControl(&site);
    ASSERT_TRUE(control);
    ASSERT_NE(Connect(control.Get(), kLatchetEventsIid, &sink), 0u);
    window = NewWindow();
}

void LatchetFixture::TearDown()
{
    if (control) CloseControl(control.Get());
    control.Reset();
    for (HWND w : windows_)
        if (IsWindow(w)) DestroyWindow(w);
    gLog = nullptr;
    if (dll_) FreeLibrary(dll_);
    CoUninitialize();
}

void LatchetFixture::LoadServer()
{
    if (!dll_) dll_ = LoadLibraryW(BuildPath("latchet/Latchet.dll").c_str());
}

HRESULT LatchetFixture::CanUnloadNow() { return ServerCanUnloadNow(dll_); }

bool LatchetFixture::FreeServer()
{
    if (!dll_ || CanUnloadNow() != S_OK) return false;
    FreeLibrary(dll_);
    dll_ = nullptr;
    return true;
}

bool LatchetFixture::ServerLoaded() { return GetModuleHandleW(L"Latchet.dll") != nullptr; }

HRESULT LatchetFixture::ClassFactory(REFCLSID classId, IClassFactory** factory)
{
    *factory = nullptr;
    auto getClass = reinterpret_cast<EntryClassObject>(GetProcAddress(dll_, "DllGetClassObject"));
    return getClass ? getClass(classId, IID_IClassFactory, reinterpret_cast<void**>(factory)) : E_FAIL;
}

HRESULT LatchetFixture::NewObject(REFCLSID classId, REFIID iid, void** object)
{
    *object = nullptr;
    Runtime::ComPtr<IClassFactory> factory;
    HRESULT hr = ClassFactory(classId, factory.Put());
    return FAILED(hr) ? hr : factory->CreateInstance(nullptr, iid, object);
}

Runtime::ComPtr<IDispatch> LatchetFixture::NewControl(SiteStub* hostSite)
{
    Runtime::ComPtr<IDispatch> made;
    NewObject(kLatchetClassId, IID_IDispatch, reinterpret_cast<void**>(made.Put()));
    if (made && hostSite) {
        Runtime::ComPtr<IOleObject> ole;
        made->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(ole.Put()));
        ole->SetClientSite(hostSite);
    }
    return made;
}

HWND LatchetFixture::NewWindow()
{
    HWND made = CreateWindowExW(0, kWindowClass, L"Latchet test", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    EXPECT_NE(made, nullptr);
    windows_.push_back(made);
    return made;
}

void LatchetFixture::Put(const wchar_t* name, const VARIANT& value)
{
    EXPECT_EQ(PutProperty(control.Get(), name, value), S_OK) << std::string(name, name + wcslen(name));
}

void LatchetFixture::PutRef(const wchar_t* name, IDispatch* object)
{
    DISPID id = IdOf(control.Get(), name);
    VARIANT value;
    V_VT(&value) = VT_DISPATCH;
    V_DISPATCH(&value) = object;
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{&value, &named, 1, 1};
    EXPECT_EQ(control->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYPUTREF, &params, nullptr, nullptr, nullptr), S_OK);
}

std::wstring LatchetFixture::Text(const wchar_t* name)
{
    Runtime::Variant value;
    EXPECT_EQ(GetProperty(control.Get(), name, value), S_OK) << std::string(name, name + wcslen(name));
    return TextOf(*value.Get());
}

long LatchetFixture::Long(const wchar_t* name)
{
    Runtime::Variant value;
    EXPECT_EQ(GetProperty(control.Get(), name, value), S_OK) << std::string(name, name + wcslen(name));
    return value.ChangeType(VT_I4) ? V_I4(value.Get()) : -999;
}

void LatchetFixture::Call(const wchar_t* method, std::vector<VARIANT> args)
{
    Runtime::Variant result;
    EXPECT_EQ(CallMethod(control.Get(), method, std::move(args), result), S_OK)
        << std::string(method, method + wcslen(method));
}

int LatchetFixture::ErrorOfPut(const wchar_t* name, const VARIANT& value, std::wstring* description)
{
    DISPID id = IdOf(control.Get(), name);
    VARIANT copy;
    VariantInit(&copy);
    VariantCopy(&copy, const_cast<VARIANT*>(&value));
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{&copy, &named, 1, 1};
    EXCEPINFO excep{};
    HRESULT hr = control->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYPUT, &params, nullptr, &excep, nullptr);
    VariantClear(&copy);
    int number = 0;
    if (hr == DISP_E_EXCEPTION) {
        number = static_cast<int>(excep.scode & 0xFFFF);
        if (description) *description = Runtime::BstrText(excep.bstrDescription);
    } else if (FAILED(hr)) {
        number = -1;
    }
    SysFreeString(excep.bstrSource);
    SysFreeString(excep.bstrDescription);
    SysFreeString(excep.bstrHelpFile);
    return number;
}

void LatchetFixture::CloseControl(IDispatch* made)
{
    Runtime::ComPtr<IOleObject> ole;
    made->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(ole.Put()));
    if (!ole) return;
    ole->Close(OLECLOSE_NOSAVE);
    ole->SetClientSite(nullptr);
}

bool LatchetFixture::Hooked(HWND w)
{
    return GetPropW(w, L"ObjectPointer") != nullptr || GetPropW(w, L"OldWindowProc") != nullptr;
}

} // namespace TestSupport
