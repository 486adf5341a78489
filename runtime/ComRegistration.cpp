#include "runtime/ComRegistration.h"

#include <oleauto.h>
#include <olectl.h>

#include <string>

#include "runtime/ComServer.h"
#include "runtime/ScopedWin.h"

namespace Runtime {

namespace {

std::wstring GuidText(const GUID& guid)
{
    wchar_t text[40] = {};
    StringFromGUID2(guid, text, 40);
    return text;
}

// Sets `name` (empty: the default value) of HKCR\`key` to `value`, making the key.
bool SetValue(const std::wstring& key, const wchar_t* name, const std::wstring& value)
{
    ScopedRegKey handle;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, handle.Put(),
                        nullptr) != ERROR_SUCCESS)
        return false;
    auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(handle.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes) ==
           ERROR_SUCCESS;
}

bool DeleteTree(const std::wstring& key)
{
    LSTATUS status = RegDeleteTreeW(HKEY_CLASSES_ROOT, key.c_str());
    if (status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND) {
        RegDeleteKeyW(HKEY_CLASSES_ROOT, key.c_str());
        return true;
    }
    return false;
}

} // namespace

HRESULT RegisterControlClass(const ControlClassInfo& info)
{
    std::wstring path = ComServer::ModulePath();
    ComPtr<ITypeLib> library;
    HRESULT hr = LoadTypeLibEx(path.c_str(), REGKIND_REGISTER, library.Put());
    if (FAILED(hr)) return hr;

    std::wstring classKey = L"CLSID\\" + GuidText(info.classId);
    bool ok = SetValue(classKey, nullptr, info.description) &&
              SetValue(classKey + L"\\InprocServer32", nullptr, path) &&
              SetValue(classKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment") &&
              SetValue(classKey + L"\\ProgID", nullptr, info.progId) &&
              SetValue(classKey + L"\\Control", nullptr, L"") &&
              SetValue(classKey + L"\\TypeLib", nullptr, GuidText(info.libraryId)) &&
              SetValue(classKey + L"\\Version", nullptr, info.libraryVersion) &&
              SetValue(info.progId, nullptr, info.description) &&
              SetValue(std::wstring(info.progId) + L"\\CLSID", nullptr, GuidText(info.classId));
    if (!ok) {
        UnregisterControlClass(info);
        return SELFREG_E_CLASS;
    }
    return S_OK;
}

HRESULT UnregisterControlClass(const ControlClassInfo& info)
{
    bool ok = DeleteTree(L"CLSID\\" + GuidText(info.classId)) && DeleteTree(info.progId);
    // The type library's keys go too; a library that is not registered
    // (any more) is no failure.
    ComPtr<ITypeLib> library;
    std::wstring path = ComServer::ModulePath();
    if (SUCCEEDED(LoadTypeLibEx(path.c_str(), REGKIND_NONE, library.Put()))) {
        TLIBATTR* attributes = nullptr;
        if (SUCCEEDED(library->GetLibAttr(&attributes))) {
            UnRegisterTypeLib(attributes->guid, attributes->wMajorVerNum, attributes->wMinorVerNum, attributes->lcid,
                              attributes->syskind);
            library->ReleaseTLibAttr(attributes);
        }
    }
    return ok ? S_OK : SELFREG_E_CLASS;
}

HRESULT RegisterPlainClass(REFCLSID classId, const wchar_t* description)
{
    std::wstring classKey = L"CLSID\\" + GuidText(classId);
    bool ok = SetValue(classKey, nullptr, description) &&
              SetValue(classKey + L"\\InprocServer32", nullptr, ComServer::ModulePath()) &&
              SetValue(classKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment");
    if (!ok) {
        UnregisterPlainClass(classId);
        return SELFREG_E_CLASS;
    }
    return S_OK;
}

HRESULT UnregisterPlainClass(REFCLSID classId)
{
    return DeleteTree(L"CLSID\\" + GuidText(classId)) ? S_OK : SELFREG_E_CLASS;
}

} // namespace Runtime
