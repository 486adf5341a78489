#include "common/Files.h"

#include <shellapi.h>
#include <shlobj.h>

#include "common/CheckPath.h"
#include "common/CodePage.h"
#include "common/ResourceData.h"
#include "runtime/RuntimeError.h"
#include "runtime/ScopedWin.h"

namespace Common {

namespace {

// The system's text for an error code, without its closing line break and
// full stop; empty when the system has none.
std::wstring SystemErrorText(DWORD error)
{
    wchar_t text[512] = {};
    DWORD n = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text,
                             512, nullptr);
    std::wstring reason(text, n < 512 ? n : 0);
    while (!reason.empty() && (reason.back() == L'\r' || reason.back() == L'\n' || reason.back() == L'.' ||
                               reason.back() == L' '))
        reason.pop_back();
    return reason;
}

// A run-time file error that names the file and the system's reason:
// "Path/File access error: C:\folder\name.csv (Access denied)".
Runtime::Error FileError(int number, const char* message, const std::wstring& path, DWORD error)
{
    std::wstring text = L": " + path;
    const std::wstring reason = SystemErrorText(error);
    if (!reason.empty()) text += L" (" + reason + L")";
    return Runtime::Error(number, message + amUnicode::UnicodeToAnsi(text, CP_UTF8));
}

} // namespace

std::wstring SearchPath(const std::wstring& fileName)
{
    std::wstring drive, folder, baseName;
    if (CheckPath(fileName, &drive, &folder, &baseName, nullptr, 1).empty()) return {};
    std::wstring where = drive + folder;
    if (!where.empty() && where.back() == L'\\') where.pop_back();
    // A drive root ("C:") or nothing: the system's standard search order.
    bool standard = where.empty() || (where.size() == 2 && where[1] == L':');
    wchar_t found[MAX_PATH] = {};
    DWORD n = ::SearchPathW(standard ? nullptr : where.c_str(), baseName.c_str(), nullptr, MAX_PATH, found, nullptr);
    return n > 0 && n < MAX_PATH ? std::wstring(found, n) : std::wstring();
}

bool FileExists(const std::wstring& path)
{
    if (path.empty()) return false;
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring SpecialFolder(int csidl, HWND owner)
{
    PIDLIST_ABSOLUTE items = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(owner, csidl, &items)) || !items) return {};
    wchar_t path[MAX_PATH] = {};
    BOOL ok = SHGetPathFromIDListW(items, path);
    CoTaskMemFree(items);
    if (!ok) return {};
    std::wstring text = path;
    size_t first = text.find_first_not_of(L' ');
    size_t last = text.find_last_not_of(L' ');
    return first == std::wstring::npos ? std::wstring() : text.substr(first, last - first + 1);
}

bool SaveResToFile(const std::wstring& resourceName, const std::wstring& fileName, HMODULE module)
{
    const std::string_view bytes = ResourceBytes(resourceName, module);
    if (bytes.size() <= 1) return false;

    Runtime::ScopedHandle file(CreateFileW(fileName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                           FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) throw FileError(75, "Path/File access error", fileName, GetLastError());
    DWORD written = 0;
    const DWORD size = static_cast<DWORD>(bytes.size());
    if (!WriteFile(file.Get(), bytes.data(), size, &written, nullptr) || written != size) {
        // No part of a file is left behind: a later start writes it whole.
        const DWORD error = GetLastError();
        file.Reset();
        DeleteFileW(fileName.c_str());
        throw FileError(61, "Disk full", fileName, error);
    }
    return true;
}

int ShowFileProperties(const std::wstring& path, HWND owner)
{
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_INVOKEIDLIST | SEE_MASK_NOCLOSEPROCESS | SEE_MASK_CONNECTNETDRV | SEE_MASK_FLAG_NO_UI;
    info.hwnd = owner;
    info.lpVerb = L"properties";
    info.lpFile = path.c_str();
    info.nShow = SW_HIDE;
    BOOL ok = ShellExecuteExW(&info);
    // The process handle asked for is not needed: close it at once.
    if (info.hProcess) CloseHandle(info.hProcess);
    return ok && reinterpret_cast<INT_PTR>(info.hInstApp) >= 32 ? 0 : -1;
}

} // namespace Common
