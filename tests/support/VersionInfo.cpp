#include "tests/support/VersionInfo.h"

#include <windows.h>
#include <vector>

namespace TestSupport {

namespace {

std::vector<unsigned char> VersionData(const std::wstring& file)
{
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeW(file.c_str(), &handle);
    std::vector<unsigned char> data(size);
    if (size == 0 || !GetFileVersionInfoW(file.c_str(), 0, size, data.data())) data.clear();
    return data;
}

} // namespace

FileVersion ReadFileVersion(const std::wstring& file)
{
    FileVersion v;
    auto data = VersionData(file);
    void* p = nullptr;
    UINT len = 0;
    if (data.empty() || !VerQueryValueW(data.data(), L"\\", &p, &len) || len < sizeof(VS_FIXEDFILEINFO)) return v;
    auto* fixed = static_cast<VS_FIXEDFILEINFO*>(p);
    v.major = HIWORD(fixed->dwFileVersionMS);
    v.minor = LOWORD(fixed->dwFileVersionMS);
    v.build = HIWORD(fixed->dwFileVersionLS);
    v.revision = LOWORD(fixed->dwFileVersionLS);
    v.found = true;
    return v;
}

std::wstring ReadVersionString(const std::wstring& file, const std::wstring& key)
{
    auto data = VersionData(file);
    void* p = nullptr;
    UINT len = 0;
    if (data.empty() || !VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", &p, &len) || len < 4)
        return {};
    auto* words = static_cast<WORD*>(p);
    wchar_t block[64];
    wsprintfW(block, L"\\StringFileInfo\\%04X%04X\\", words[0], words[1]);
    std::wstring query = block + key;
    if (!VerQueryValueW(data.data(), query.c_str(), &p, &len) || len == 0) return {};
    std::wstring value(static_cast<const wchar_t*>(p), len);
    while (!value.empty() && value.back() == L'\0') value.pop_back();
    return value;
}

} // namespace TestSupport
