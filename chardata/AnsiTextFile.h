#pragma once
// Reading a whole text file in the system's ANSI code page.
#include <optional>
#include <string>
#include <string_view>

namespace CharData {

// Files larger than this are not read: no name or entity file comes near it.
inline constexpr unsigned long long kMaxTextFileBytes = 64ull << 20;

// The file's text, one character per byte through the ANSI code page, zero
// bytes kept as zero characters. Nothing when the file does not exist,
// cannot be read or is larger than kMaxTextFileBytes.
std::optional<std::wstring> ReadAnsiTextFile(const std::wstring& path);

// Bytes read as ReadAnsiTextFile reads a file's.
std::wstring AnsiText(std::string_view bytes);

} // namespace CharData
