#pragma once
// The system's character-name library GetUName.dll, bound by name at run
// time: GetUName(code, buffer) writes the name of a code point into a
// 255-byte buffer as UTF-16 and returns its length in characters.
#include <windows.h>

#include <cstdint>

#include "chardata/CharNameTable.h"
#include "runtime/ScopedWin.h"

namespace CharData {

class GetUNameLibrary {
public:
    // Loads the library from the system's search path (`fileName`, normally
    // "GetUName.dll") and finds its entry "GetUName".
    explicit GetUNameLibrary(const wchar_t* fileName = L"GetUName.dll");
    GetUNameLibrary(const GetUNameLibrary&) = delete;
    GetUNameLibrary& operator=(const GetUNameLibrary&) = delete;

    bool Loaded() const noexcept { return proc_ != nullptr; }

    // The library as a name source of the table; an empty source when it is
    // not loaded. Valid while this object lives.
    CharNameTable::NameSource Source() const;

private:
    using Proc = std::int16_t(WINAPI*)(std::uint32_t code, wchar_t* buffer);

    Runtime::ScopedModule module_;
    Proc proc_ = nullptr;
};

} // namespace CharData
