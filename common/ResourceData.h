#pragma once
// The bytes of the program's own custom-data (RCDATA) resources.
#include <windows.h>

#include <string>
#include <string_view>

namespace Common {

// The bytes of the RCDATA resource `resourceName` of `module` (the program
// when null); empty when there is no such resource. They stay valid while
// the module is loaded.
std::string_view ResourceBytes(const std::wstring& resourceName, HMODULE module = nullptr);

} // namespace Common
