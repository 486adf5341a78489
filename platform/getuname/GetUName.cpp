// GetUName.dll: the system's character-name library, as Orlenta uses it.
// GetUName(code, buffer) writes the name of a BMP code point into a caller's
// buffer of 255 bytes as UTF-16 and returns its length in characters.
#include "NameBuffer.h"
#include "NameTable.h"

#include <windows.h>

#include <cstdint>
#include <string_view>

// This DLL's own module handle (the linker's symbol for its image base).
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

// The name list embedded in this DLL (resource NAMES, RT_RCDATA).
std::string_view NamesResource()
{
    HMODULE self = reinterpret_cast<HMODULE>(&__ImageBase);
    HRSRC info = FindResourceW(self, L"NAMES", RT_RCDATA);
    if (!info) return {};
    HGLOBAL data = LoadResource(self, info);
    const void* bytes = data ? LockResource(data) : nullptr;
    if (!bytes) return {};
    return std::string_view(static_cast<const char*>(bytes), SizeofResource(self, info));
}

// Built on the first call; C++ makes the initialisation thread-safe.
const UName::NameTable& Table()
{
    static const UName::NameTable table(NamesResource());
    return table;
}

} // namespace

// The code comes as a 32-bit value: any code above U+FFFF is "Undefined".
extern "C" int16_t WINAPI GetUName(uint32_t code, wchar_t* buffer)
{
    if (!buffer) return 0;
    return UName::WriteName(Table().Name(code), buffer);
}
