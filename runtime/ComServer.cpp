#include "runtime/ComServer.h"

#include <atomic>

namespace Runtime::ComServer {

namespace {

HMODULE g_module = nullptr;
std::atomic<long> g_locks{0};

} // namespace

void SetModule(HMODULE module) noexcept { g_module = module; }

void DllEntry(HINSTANCE instance, DWORD reason) noexcept
{
    if (reason != DLL_PROCESS_ATTACH) return;
    SetModule(instance);
    DisableThreadLibraryCalls(instance);
}

HMODULE Module() noexcept { return g_module ? g_module : GetModuleHandleW(nullptr); }

std::wstring ModulePath()
{
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(Module(), buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) return {};
        if (n < buffer.size()) {
            buffer.resize(n);
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
}

void AddLock() noexcept { ++g_locks; }
void RemoveLock() noexcept { --g_locks; }
bool CanUnload() noexcept { return g_locks == 0; }

} // namespace Runtime::ComServer
