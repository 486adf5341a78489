#include "common/Files.h"

#include <shellapi.h>
#include <shlobj.h>

#include "common/CheckPath.h"
#include "runtime/RuntimeError.h"
#include "runtime/ScopedWin.h"

namespace Common {

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
    if (!module) module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, resourceName.c_str(), MAKEINTRESOURCEW(10)); // RT_RCDATA
    if (!found) return false;
    DWORD size = SizeofResource(module, found);
    const void* bytes = LockResource(LoadResource(module, found));
    if (!bytes || size <= 1) return false;

    Runtime::ScopedHandle file(CreateFileW(fileName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                           FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) throw Runtime::Error(75, "Path/File access error");
    DWORD written = 0;
    if (!WriteFile(file.Get(), bytes, size, &written, nullptr) || written != size)
        throw Runtime::Error(61, "Disk full");
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
