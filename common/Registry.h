#pragma once
// Values under a registry key, read and written as text. Writers read first
// and write only a changed value. Keys are used in the process's native view
// (a 32-bit build on 64-bit Windows asks for the 64-bit view).
#include <windows.h>

#include <string>
#include <vector>

namespace Common {

// The value as text: REG_SZ, REG_EXPAND_SZ (not expanded) and REG_MULTI_SZ
// without their terminating zero (inner zeros kept), REG_DWORD and
// REG_DWORD_BIG_ENDIAN as unsigned decimal digits, anything else one
// character per byte. `valueType` 0 takes the stored type; another type
// wins over it. `defaultValue` on any failure. `data`, when given, receives
// the raw bytes plus one zero byte.
std::wstring RegRead(HKEY root, const std::wstring& subKey, const std::wstring& valueName,
                     std::vector<unsigned char>* data = nullptr, DWORD valueType = 0,
                     const std::wstring& defaultValue = L"");

// Writes the value (an empty name is the key's default value) as REG_SZ,
// REG_BINARY (one byte per character) or REG_DWORD (the text's number; not a
// number writes 0, outside the signed 32-bit range is run-time error 6),
// creating the key when missing. Returns 0 on success or when the stored
// value already equals `value`, else the system error code; a type it cannot
// write gives ERROR_INVALID_PARAMETER.
long RegWrite(HKEY root, const std::wstring& subKey, const std::wstring& valueName, const std::wstring& value,
              DWORD valueType = REG_SZ);

// The access-mask flag that selects the process's native registry view.
DWORD RegistryViewFlag();

} // namespace Common
