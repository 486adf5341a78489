#pragma once
// The Symbol code page (42) of symbol fonts, done here because not every
// system converts to it.
#include <string>
#include <string_view>

namespace amUnicode {

inline constexpr int kSymbolCodePage = 42;

// The bytes of `text` in the Symbol code page: U+0000..U+001F stay as they
// are, U+F020..U+F0FF (the symbol fonts' private-use area) become the bytes
// 0x20..0xFF, and every other character becomes the default character "?".
std::string SymbolCodePageBytes(std::wstring_view text);

} // namespace amUnicode
