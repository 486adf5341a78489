#pragma once
// The common-control classes the list kinds are made of, and version 6 of
// the common controls for code in a module whose manifest does not ask for
// it (a test program; a control server in a host without such a manifest).
#include <windows.h>

namespace Runtime {

// Registers the list view, header, status bar, tool tip and image list
// classes once per process.
void EnsureCommonControls();

// While it lives, windows created on this thread come from version 6 of the
// common controls, as in the program whose manifest names it. Active() is
// false when the system has no version 6.
class ScopedCommonControls6 {
public:
    ScopedCommonControls6();
    ~ScopedCommonControls6();
    ScopedCommonControls6(const ScopedCommonControls6&) = delete;
    ScopedCommonControls6& operator=(const ScopedCommonControls6&) = delete;
    bool Active() const noexcept { return active_; }

private:
    ULONG_PTR cookie_ = 0;
    bool active_ = false;
};

} // namespace Runtime
