#pragma once
// Text to the bytes of a code page, and bytes to text through the system
// ANSI code page.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace amUnicode {

// The bytes of `text` in `codePage` (0 = the system ANSI code page; 65001
// UTF-8, 65000 UTF-7, 42 Symbol, ...). Characters the code page lacks become
// its default character. An empty text, or a code page the system does not
// know, gives no bytes. The Symbol code page is done here when the system
// refuses it (see SymbolCodePage.h).
std::string UnicodeToAnsi(std::wstring_view text, int codePage);

} // namespace amUnicode

namespace Common {

inline constexpr std::size_t kAllBytes = static_cast<std::size_t>(-1);

// The bytes from index `start` on (`count` of them, or all), each byte
// turned into the character that the system ANSI code page gives it: one
// character per byte, also for the lead bytes of a double-byte code page.
// Unless `keepZeros`, the text stops before the first zero byte; with it,
// zero bytes become zero characters. A range beyond the bytes is cut to them.
std::wstring BytesToString(std::span<const std::uint8_t> bytes, std::size_t start = 0,
                           std::size_t count = kAllBytes, bool keepZeros = false);
std::wstring BytesToString(std::string_view bytes, std::size_t start = 0, std::size_t count = kAllBytes,
                           bool keepZeros = false);

} // namespace Common
