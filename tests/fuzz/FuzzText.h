#pragma once
// Turns fuzzer bytes into UTF-16 text. The first byte picks the reading:
// even, every further byte is one character (so ASCII inputs from the
// dictionary and seeds stay readable); odd, every two bytes are one code
// unit (little-endian), reaching the whole of 0..0xFFFF.
#include <cstddef>
#include <cstdint>
#include <string>

namespace FuzzText {

inline std::wstring FromBytes(const std::uint8_t* data, std::size_t size)
{
    std::wstring text;
    if (size == 0) return text;
    bool wide = (data[0] & 1) != 0;
    ++data;
    --size;
    if (!wide) {
        for (std::size_t i = 0; i < size; ++i) text += static_cast<wchar_t>(data[i]);
        return text;
    }
    for (std::size_t i = 0; i + 1 < size; i += 2)
        text += static_cast<wchar_t>(data[i] | (data[i + 1] << 8));
    return text;
}

} // namespace FuzzText
