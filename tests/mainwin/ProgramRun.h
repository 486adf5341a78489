#pragma once
// The real Orlenta.exe run in a temporary folder of its own, so that its
// settings, name and entity files are written there; and ways to look at
// its window from outside.
#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/Process.h"
#include "tests/support/TempFolder.h"

namespace MainWinTest {

class ProgramRun {
public:
    ProgramRun();
    const std::wstring& Exe() const noexcept { return exe_; }
    std::wstring File(const std::wstring& name) const { return folder_.File(name); }
    std::wstring Settings() const { return File(L"Orlenta.dat"); }
    const std::wstring& Folder() const noexcept { return folder_.Path(); }
    // Copies a file of the build (e.g. "latchet/Latchet.dll") beside the program.
    bool CopyBeside(const std::string& buildFile);

    // Starts the program; its main window, or null.
    HWND Start();
    // Closes the main window and waits for the program to end; its exit code.
    long Close(HWND wnd);
    TestSupport::ChildProcess& Process() noexcept { return process_; }

private:
    TestSupport::TempFolder folder_;
    std::wstring exe_;
    TestSupport::ChildProcess process_;
};

// Sets an environment variable for the programs started while it lives.
class ScopedEnvironment {
public:
    ScopedEnvironment(const wchar_t* name, const wchar_t* value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    std::wstring name_;
};

std::wstring ReadIni(const std::wstring& file, const std::wstring& section, const std::wstring& key);
void WriteIni(const std::wstring& file, const std::wstring& section, const std::wstring& key,
              const std::wstring& value);

// The first descendant window with this text (and class, when given).
HWND FindChild(HWND parent, const std::wstring& text, const std::wstring& className = L"");
// Every descendant window of a class, in the order the system lists them.
std::vector<HWND> FindChildren(HWND parent, const std::wstring& className);
// A window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND wnd);
// A window's rectangle in the client coordinates of `top`.
RECT RectIn(HWND wnd, HWND top);

} // namespace MainWinTest
