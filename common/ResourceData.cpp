#include "common/ResourceData.h"

namespace Common {

std::string_view ResourceBytes(const std::wstring& resourceName, HMODULE module)
{
    if (!module) module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, resourceName.c_str(), MAKEINTRESOURCEW(10)); // RT_RCDATA
    if (!found) return {};
    const DWORD size = SizeofResource(module, found);
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
    return bytes ? std::string_view(bytes, size) : std::string_view();
}

} // namespace Common
