#include "tests/support/Process.h"

#include <vector>

namespace TestSupport {

namespace {

struct WindowSearch {
    DWORD processId;
    const std::wstring* className;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND wnd, LPARAM param)
{
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    if (pid != search->processId || !IsWindowVisible(wnd)) return TRUE;
    if (!search->className->empty()) {
        wchar_t name[256] = {};
        GetClassNameW(wnd, name, 256);
        if (*search->className != name) return TRUE;
    }
    search->found = wnd;
    return FALSE;
}

} // namespace

ChildProcess::~ChildProcess()
{
    Terminate();
}

void ChildProcess::Terminate()
{
    if (process_.Valid() && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.Get(), 99);
        WaitForSingleObject(process_.Get(), 5000);
    }
}

bool ChildProcess::Start(const std::wstring& exe, const std::wstring& arguments)
{
    std::wstring commandLine = L"\"" + exe + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    std::vector<wchar_t> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back(L'\0');
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(exe.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    CloseHandle(pi.hThread);
    process_.Reset(pi.hProcess);
    id_ = pi.dwProcessId;
    WaitForInputIdle(pi.hProcess, 10000);
    return true;
}

HWND ChildProcess::WaitForWindow(const std::wstring& className, DWORD timeoutMs) const
{
    DWORD start = GetTickCount();
    do {
        WindowSearch search{id_, &className, nullptr};
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        if (WaitForSingleObject(process_.Get(), 20) != WAIT_TIMEOUT) return nullptr;
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

long ChildProcess::WaitForExit(DWORD timeoutMs)
{
    if (WaitForSingleObject(process_.Get(), timeoutMs) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_.Get(), &code);
    return static_cast<long>(code);
}

std::wstring BuildPath(const std::string& relative)
{
    std::string path = std::string("Z:") + ORLENTA_BINARY_DIR + "/" + relative;
    std::wstring wide(path.begin(), path.end());
    for (auto& c : wide)
        if (c == L'/') c = L'\\';
    return wide;
}

} // namespace TestSupport
