#include <windows.h>

#include <vector>

#include "common/Files.h"
#include "common/Version.h"

namespace Common {

std::wstring FileVersion(const std::wstring& path, bool product, bool shortForm)
{
    if (!FileExists(path)) return {};
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
    if (size == 0) return {};
    if (size > 64000) size = 64000;
    std::vector<unsigned char> data(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, data.data())) return {};
    void* p = nullptr;
    UINT len = 0;
    if (!VerQueryValueW(data.data(), L"\\", &p, &len) || len < sizeof(VS_FIXEDFILEINFO)) return {};
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(p);
    return product ? FormatFileVersion(true, shortForm, fixed->dwProductVersionMS, fixed->dwProductVersionLS)
                   : FormatFileVersion(false, shortForm, fixed->dwFileVersionMS, fixed->dwFileVersionLS);
}

} // namespace Common
