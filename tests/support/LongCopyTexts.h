#pragma once
// The long copy-box texts that the copy-box benchmark times and the tests
// of its copies use: printable ASCII, and words of many scripts.
#include <cstddef>
#include <iterator>
#include <string>

namespace TestSupport {

inline constexpr std::size_t kLongCopyLength = 30000;

// The printable ASCII characters, in steps of 7 through them.
inline std::wstring LongAsciiText(std::size_t length = kLongCopyLength)
{
    std::wstring text;
    for (std::size_t i = 0; text.size() < length; ++i) text += static_cast<wchar_t>(0x20 + (i * 7) % 0x5F);
    return text;
}

// Words of Latin, Greek, Cyrillic, Hebrew, Arabic, Devanagari, Thai, CJK,
// Hangul and symbols, each word a run of one script followed by a space.
inline std::wstring LongMixedText(std::size_t length = kLongCopyLength)
{
    struct Script { unsigned first, count; };
    static const Script scripts[] = {
        {0x0041, 26}, {0x00C0, 64}, {0x0391, 25}, {0x0410, 64}, {0x05D0, 27}, {0x0627, 26},
        {0x0915, 37}, {0x0E01, 46}, {0x4E00, 2000}, {0xAC00, 2000}, {0x2190, 100}, {0x3041, 80},
    };
    std::wstring text;
    for (std::size_t word = 0; text.size() < length; ++word) {
        const Script& s = scripts[word % std::size(scripts)];
        for (std::size_t i = 0; i < 6 && text.size() < length; ++i)
            text += static_cast<wchar_t>(s.first + (word * 13 + i * 7) % s.count);
        if (text.size() < length) text += L' ';
    }
    return text;
}

} // namespace TestSupport
