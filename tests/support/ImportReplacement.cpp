#include "tests/support/ImportReplacement.h"

namespace TestSupport {

namespace {

template <typename T>
T* At(HMODULE module, DWORD offset)
{
    return reinterpret_cast<T*>(reinterpret_cast<BYTE*>(module) + offset);
}

// Writes one pointer of the import table, which the loader left read-only.
bool WriteEntry(void** entry, void* value)
{
    DWORD old = 0;
    if (!VirtualProtect(entry, sizeof *entry, PAGE_READWRITE, &old)) return false;
    *entry = value;
    VirtualProtect(entry, sizeof *entry, old, &old);
    return true;
}

// The import table entry of `module` that holds `address`, found among the
// entries of `dll`; null when there is none.
void** FindEntry(HMODULE module, const char* dll, const void* address)
{
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(module);
    if (!module || dos->e_magic != IMAGE_DOS_SIGNATURE) return nullptr;
    auto* nt = At<IMAGE_NT_HEADERS>(module, static_cast<DWORD>(dos->e_lfanew));
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!imports.VirtualAddress) return nullptr;
    for (auto* d = At<IMAGE_IMPORT_DESCRIPTOR>(module, imports.VirtualAddress); d->Name; ++d) {
        if (lstrcmpiA(At<char>(module, d->Name), dll) != 0) continue;
        for (auto* thunk = At<IMAGE_THUNK_DATA>(module, d->FirstThunk); thunk->u1.Function; ++thunk) {
            auto** entry = reinterpret_cast<void**>(&thunk->u1.Function);
            if (*entry == address) return entry;
        }
    }
    return nullptr;
}

} // namespace

ImportReplacement::ImportReplacement(HMODULE module, const char* dll, const char* function, const void* replacement)
{
    HMODULE system = GetModuleHandleA(dll);
    void* original = system ? reinterpret_cast<void*>(GetProcAddress(system, function)) : nullptr;
    void** entry = original ? FindEntry(module, dll, original) : nullptr;
    if (!entry || !WriteEntry(entry, const_cast<void*>(replacement))) return;
    entry_ = entry;
    original_ = original;
}

ImportReplacement::~ImportReplacement()
{
    if (entry_) WriteEntry(entry_, original_);
}

} // namespace TestSupport
