#include "common/CodePage.h"

#include <windows.h>

#include <array>

#include "common/SymbolCodePage.h"

namespace amUnicode {

namespace {

// The bytes of `text` in `page` as the system converts it; empty when the
// system cannot. Flags 0 and no default-character arguments: UTF-7 and
// UTF-8 accept nothing else, and the code page's default character then
// stands for what it lacks.
std::string SystemBytes(std::wstring_view text, UINT page)
{
    auto source = reinterpret_cast<const WCHAR*>(text.data());
    int length = static_cast<int>(text.size());
    int size = WideCharToMultiByte(page, 0, source, length, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return std::string();
    std::string bytes(static_cast<std::size_t>(size), '\0');
    int written = WideCharToMultiByte(page, 0, source, length, bytes.data(), size, nullptr, nullptr);
    bytes.resize(static_cast<std::size_t>(written > 0 ? written : 0));
    return bytes;
}

} // namespace

std::string UnicodeToAnsi(std::wstring_view text, int codePage)
{
    if (text.empty()) return std::string();
    UINT page = codePage == 0 ? GetACP() : static_cast<UINT>(codePage);
    std::string bytes = SystemBytes(text, page);
    // Some systems refuse the Symbol code page, or the characters outside
    // its range, where Windows gives the default character.
    if (bytes.empty() && page == kSymbolCodePage) return SymbolCodePageBytes(text);
    return bytes;
}

} // namespace amUnicode

namespace Common {

namespace {

// The character of each byte in the system ANSI code page. A byte that does
// not convert on its own (a lead byte of a double-byte code page) keeps its
// own value.
const std::array<wchar_t, 256>& AnsiChars()
{
    static const std::array<wchar_t, 256> chars = [] {
        std::array<wchar_t, 256> table{};
        for (int b = 0; b < 256; ++b) {
            char byte = static_cast<char>(b);
            WCHAR c = 0;
            int n = MultiByteToWideChar(CP_ACP, 0, &byte, 1, &c, 1);
            table[static_cast<std::size_t>(b)] = n == 1 ? static_cast<wchar_t>(c) : static_cast<wchar_t>(b);
        }
        return table;
    }();
    return chars;
}

} // namespace

std::wstring BytesToString(std::span<const std::uint8_t> bytes, std::size_t start, std::size_t count, bool keepZeros)
{
    if (start >= bytes.size()) return std::wstring();
    std::size_t available = bytes.size() - start;
    std::span<const std::uint8_t> range = bytes.subspan(start, count < available ? count : available);
    const auto& chars = AnsiChars();
    std::wstring text;
    text.reserve(range.size());
    for (std::uint8_t b : range) {
        if (b == 0 && !keepZeros) break;
        text += chars[b];
    }
    return text;
}

std::wstring BytesToString(std::string_view bytes, std::size_t start, std::size_t count, bool keepZeros)
{
    auto data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    return BytesToString(std::span<const std::uint8_t>(data, bytes.size()), start, count, keepZeros);
}

} // namespace Common
