#include "tests/support/UnwritableFolder.h"

#include <windows.h>

#include <vector>

#include "runtime/ScopedWin.h"

namespace TestSupport {

namespace {

// How long a Unix command may take to show its effect.
constexpr DWORD kCommandMs = 10000;

// The Unix path of a Windows path (Wine's own kernel32 export); empty when
// not under Wine.
std::string UnixPath(const std::wstring& path)
{
    using Convert = char*(__cdecl*)(const wchar_t*);
    auto convert = reinterpret_cast<Convert>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!convert) return {};
    char* unix = convert(path.c_str());
    if (!unix) return {};
    std::string result = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return result;
}

// Starts `script` with the Unix shell. Wine starts a Unix program without
// a process handle, so the caller polls for the script's effect.
bool RunShell(const std::string& script)
{
    std::wstring commandLine = L"sh -c \"" + std::wstring(script.begin(), script.end()) + L"\"";
    std::vector<wchar_t> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back(L'\0');
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(L"Z:\\bin\\sh", buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    if (pi.hThread) CloseHandle(pi.hThread);
    if (pi.hProcess) CloseHandle(pi.hProcess);
    return true;
}

bool Exists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Polls until `path` exists (or, with `exists` false, is gone).
bool WaitForPath(const std::wstring& path, bool exists)
{
    const DWORD start = GetTickCount();
    while (Exists(path) != exists) {
        if (GetTickCount() - start > kCommandMs) return false;
        Sleep(10);
    }
    return true;
}

// Whether a new file can be created in the folder (the probe is removed).
bool CanCreateFile(const std::wstring& folder)
{
    const std::wstring probe = folder + L"\\write-probe.tmp";
    Runtime::ScopedHandle file(
        CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    return file.Valid();
}

} // namespace

UnwritableFolder::UnwritableFolder(const std::wstring& folder) : folder_(folder), unixFolder_(UnixPath(folder))
{
    if (unixFolder_.empty() || unixFolder_.find('\'') != std::string::npos) {
        reason_ = "not under Wine, or a folder path the shell cannot take quoted";
        return;
    }
    // The script ends by making a mark beside the folder: the sign that it ran.
    const std::string quoted = "'" + unixFolder_ + "'", mark = "'" + unixFolder_ + ".locked'";
    if (!RunShell("chmod a-w " + quoted + "; chattr +i " + quoted + " 2>/dev/null; touch " + mark) ||
        !WaitForPath(folder_ + L".locked", true)) {
        reason_ = "the Unix shell could not be started from Wine, or did not finish";
        return;
    }
    made_ = !CanCreateFile(folder_);
    if (!made_)
        reason_ = "neither the folder's permission nor the immutable attribute stops this Wine server "
                  "creating files in it (a root server on a file system without that attribute)";
}

UnwritableFolder::~UnwritableFolder()
{
    if (unixFolder_.empty() || !Exists(folder_ + L".locked")) return;
    const std::string quoted = "'" + unixFolder_ + "'", mark = "'" + unixFolder_ + ".locked'";
    if (RunShell("chattr -i " + quoted + " 2>/dev/null; chmod u+w " + quoted + "; rm -f " + mark))
        WaitForPath(folder_ + L".locked", false);
}

} // namespace TestSupport
