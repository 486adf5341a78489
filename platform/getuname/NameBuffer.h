#pragma once
// Writing a name into the buffer a GetUName caller passes: 255 bytes, so at
// most 127 UTF-16 characters.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace UName {

constexpr size_t kBufferChars = 255 / 2;

// Writes the ASCII `name` into `buffer` as UTF-16, cut to kBufferChars
// characters, with a terminating NUL only when one still fits within them.
// Returns the number of characters of the name written.
int16_t WriteName(std::string_view name, wchar_t* buffer);

} // namespace UName
