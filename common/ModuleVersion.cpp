#include "common/ModuleVersion.h"

namespace Common {

ModuleVersion::ModuleVersion(HMODULE module)
{
    std::wstring file(MAX_PATH, L'\0');
    DWORD n = GetModuleFileNameW(module, file.data(), static_cast<DWORD>(file.size()));
    if (n == 0 || n >= file.size()) return;
    file.resize(n);
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeW(file.c_str(), &handle);
    if (size == 0) return;
    data_.resize(size);
    if (!GetFileVersionInfoW(file.c_str(), 0, size, data_.data())) {
        data_.clear();
        return;
    }
    void* p = nullptr;
    UINT len = 0;
    if (VerQueryValueW(data_.data(), L"\\", &p, &len) && len >= sizeof(VS_FIXEDFILEINFO)) {
        const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(p);
        major_ = HIWORD(fixed->dwFileVersionMS);
        minor_ = LOWORD(fixed->dwFileVersionMS);
        revision_ = LOWORD(fixed->dwFileVersionLS);
    }
    wchar_t name[48] = L"\\StringFileInfo\\040904B0\\";
    if (VerQueryValueW(data_.data(), L"\\VarFileInfo\\Translation", &p, &len) && len >= 4) {
        const auto* words = static_cast<const WORD*>(p);
        wsprintfW(name, L"\\StringFileInfo\\%04X%04X\\", words[0], words[1]);
    }
    table_ = name;
}

std::wstring ModuleVersion::String(const std::wstring& key) const
{
    if (data_.empty()) return {};
    void* p = nullptr;
    UINT len = 0;
    std::wstring query = table_ + key;
    auto* data = const_cast<unsigned char*>(data_.data());
    if (!VerQueryValueW(data, query.c_str(), &p, &len) || !p || len == 0) return {};
    std::wstring value(static_cast<const wchar_t*>(p), len);
    while (!value.empty() && value.back() == L'\0') value.pop_back();
    return value;
}

} // namespace Common
