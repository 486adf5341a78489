#pragma once
// The state of an in-process COM server: its module, and the count of live
// objects and locks that decides whether it may be unloaded.
#include <windows.h>

#include <new>
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

// The body of a class's creation function: `make` makes the object with
// new (it runs in the class, which may keep its constructor private), and
// its interface `iid` is handed out, the reference it was made with let go.
// A constructor that throws (out of memory while it fills a table, say) is
// an error code for the caller: no exception leaves through the class
// factory.
template <typename Make>
HRESULT HandOutMade(REFIID iid, void** object, Make make)
{
    if (!object) return E_POINTER;
    *object = nullptr;
    decltype(make()) made = nullptr;
    try {
        made = make();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
    HRESULT hr = made->QueryInterface(iid, object);
    made->Release();
    return hr;
}

} // namespace Runtime::ComServer
