#pragma once
// A system function replaced, for one module of the process, by one of the
// test's: the module's import table entry for it points at the replacement
// while the object lives, and at the system's function again afterwards.
// For a failure that nothing real can bring about at that one call (the
// system refusing a write that it always carries out here).
#include <windows.h>

namespace TestSupport {

class ImportReplacement {
public:
    // Replaces `function` of `dll` (e.g. "user32.dll", "SetClipboardData")
    // in the import table of `module`. Replaced() is false when the module
    // does not import it.
    ImportReplacement(HMODULE module, const char* dll, const char* function, const void* replacement);
    ~ImportReplacement();
    ImportReplacement(const ImportReplacement&) = delete;
    ImportReplacement& operator=(const ImportReplacement&) = delete;

    bool Replaced() const noexcept { return entry_ != nullptr; }

private:
    void** entry_ = nullptr;
    void* original_ = nullptr;
};

} // namespace TestSupport
