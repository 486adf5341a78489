#pragma once
// Independent encoders and decoders that the tests hold the output forms
// against: UTF-8 as RFC 3629 defines it and UTF-7 as RFC 2152 defines it.
#include <optional>
#include <string>
#include <string_view>

namespace FormsTest {

// The UTF-8 bytes of a code point that is not a surrogate (RFC 3629,
// section 3: one byte to U+007F, two to U+07FF, three to U+FFFF, four
// above).
inline std::string Utf8Reference(unsigned code)
{
    std::string bytes;
    if (code < 0x80) {
        bytes += static_cast<char>(code);
    } else if (code < 0x800) {
        bytes += static_cast<char>(0xC0 | (code >> 6));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        bytes += static_cast<char>(0xE0 | (code >> 12));
        bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        bytes += static_cast<char>(0xF0 | (code >> 18));
        bytes += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    }
    return bytes;
}

// The UTF-8 bytes of UTF-16 text as the system's conversion writes them
// (RFC 2781 for the pairs): a high surrogate and the low one after it are
// the code point they encode; a surrogate without its partner is written
// as U+FFFD, the replacement character.
inline std::string Utf8OfUtf16Reference(std::wstring_view text)
{
    auto unit = [&](std::size_t i) { return static_cast<unsigned>(text[i]) & 0xFFFF; };
    auto isHigh = [](unsigned u) { return (u & 0xFC00) == 0xD800; };
    auto isLow = [](unsigned u) { return (u & 0xFC00) == 0xDC00; };
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        unsigned u = unit(i);
        if (isHigh(u) && i + 1 < text.size() && isLow(unit(i + 1))) {
            bytes += Utf8Reference((((u & 0x3FF) << 10) | (unit(i + 1) & 0x3FF)) + 0x10000);
            ++i;
        } else {
            bytes += Utf8Reference(isHigh(u) || isLow(u) ? 0xFFFD : u);
        }
    }
    return bytes;
}

// The value of a modified-base64 character of RFC 2152, or -1.
inline int Base64Value(char c)
{
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
}

// Decodes UTF-7 (RFC 2152): bytes below 0x80 stand for themselves, "+-"
// for "+", and "+" opens a run of modified base64 holding UTF-16 code
// units, ended by the first other character (a "-" ending it is taken
// away). None for bytes above 0x7F and for a run whose left-over bits are
// six or more or not zero.
inline std::optional<std::wstring> DecodeUtf7(std::string_view bytes)
{
    std::wstring text;
    std::size_t i = 0;
    while (i < bytes.size()) {
        auto b = static_cast<unsigned char>(bytes[i]);
        if (b >= 0x80) return std::nullopt;
        ++i;
        if (b != '+') {
            text += static_cast<wchar_t>(b);
            continue;
        }
        if (i < bytes.size() && bytes[i] == '-') {
            text += L'+';
            ++i;
            continue;
        }
        unsigned bits = 0;
        int count = 0;
        for (; i < bytes.size() && Base64Value(bytes[i]) >= 0; ++i) {
            bits = (bits << 6) | static_cast<unsigned>(Base64Value(bytes[i]));
            count += 6;
            if (count >= 16) {
                count -= 16;
                text += static_cast<wchar_t>((bits >> count) & 0xFFFF);
            }
            bits &= (1u << count) - 1;
        }
        if (count >= 6 || bits != 0) return std::nullopt;
        if (i < bytes.size() && bytes[i] == '-') ++i;
    }
    return text;
}

} // namespace FormsTest
