#pragma once
// Starting a real program of the build in a test and finding its windows.
#include <windows.h>
#include <string>

#include "runtime/ScopedWin.h"

namespace TestSupport {

// A program started for a test; it is ended when the object goes away.
class ChildProcess {
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Starts `exe` (a Windows path) with the given arguments; false on failure.
    bool Start(const std::wstring& exe, const std::wstring& arguments = L"");

    // Polls for a visible top-level window of this process with the class
    // name (any class when empty); null when none appears within the time.
    HWND WaitForWindow(const std::wstring& className, DWORD timeoutMs = 20000) const;

    // Waits for the process to end; its exit code, or -1 on time-out.
    long WaitForExit(DWORD timeoutMs = 20000);

    // Ends the process at once, as the system ends a program when the
    // session ends, and waits until it is gone.
    void Terminate();

    DWORD Id() const noexcept { return id_; }

private:
    Runtime::ScopedHandle process_;
    DWORD id_ = 0;
};

// The Windows path of a file of the build tree, given relative to it.
std::wstring BuildPath(const std::string& relative);

} // namespace TestSupport
