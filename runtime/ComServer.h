#pragma once
// The state of an in-process COM server: its module, and the count of live
// objects and locks that decides whether it may be unloaded.
#include <windows.h>

#include <string>

namespace Runtime::ComServer {

// The module that holds the server's classes and type library: set by the
// DLL's entry point; the executable when nothing set it (a program that
// links the classes in).
void SetModule(HMODULE module) noexcept;
// What a server DLL's entry point does: at process attach, the DLL becomes
// the module and asks for no thread notes.
void DllEntry(HINSTANCE instance, DWORD reason) noexcept;
HMODULE Module() noexcept;
std::wstring ModulePath();

// Every live object of the server and every IClassFactory::LockServer(TRUE)
// holds the server in memory.
void AddLock() noexcept;
void RemoveLock() noexcept;
bool CanUnload() noexcept;

// The object counts itself as a lock for its whole life.
class ObjectLock {
public:
    ObjectLock() noexcept { AddLock(); }
    ~ObjectLock() { RemoveLock(); }
    ObjectLock(const ObjectLock&) = delete;
    ObjectLock& operator=(const ObjectLock&) = delete;
};

// The end of a class's creation function: hands out interface `iid` of an
// object just made with new (std::nothrow) (null: out of memory) and lets
// go of the reference it was made with.
template <typename Object>
HRESULT HandOut(Object* made, REFIID iid, void** object)
{
    if (!made) return E_OUTOFMEMORY;
    HRESULT hr = made->QueryInterface(iid, object);
    made->Release();
    return hr;
}

} // namespace Runtime::ComServer
