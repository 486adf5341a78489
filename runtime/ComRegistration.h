#pragma once
// Self-registration of a control class and its type library: what
// DllRegisterServer writes and DllUnregisterServer takes away again.
#include <windows.h>

namespace Runtime {

struct ControlClassInfo {
    CLSID classId;
    const wchar_t* progId;      // "Library.Class"
    const wchar_t* description; // the class key's default value
    GUID libraryId;
    const wchar_t* libraryVersion; // "8.0"
};

// Registers the class as an in-process control of the server module
// (apartment threaded) under HKEY_CLASSES_ROOT, with its ProgID, and the
// type library embedded in the module.
HRESULT RegisterControlClass(const ControlClassInfo& info);

// Removes what RegisterControlClass wrote; keys that are already gone are
// no failure.
HRESULT UnregisterControlClass(const ControlClassInfo& info);

// Registers a plain in-process class of the server module (a property
// page), apartment threaded, with `description` as its name; and removes it.
HRESULT RegisterPlainClass(REFCLSID classId, const wchar_t* description);
HRESULT UnregisterPlainClass(REFCLSID classId);

} // namespace Runtime
