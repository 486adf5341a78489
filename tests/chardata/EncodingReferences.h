#pragma once
// Independent encoders and decoders that the tests hold the output forms
// against: UTF-8 as RFC 3629 defines it and UTF-7 as RFC 2152 defines it,
// for BMP code units.
#include <optional>
#include <string>
#include <string_view>

namespace FormsTest {

// The UTF-8 bytes of a BMP code point that is not a surrogate (RFC 3629,
// section 3: one byte to U+007F, two to U+07FF, three above).
inline std::string Utf8Reference(unsigned code)
{
    std::string bytes;
    if (code < 0x80) {
        bytes += static_cast<char>(code);
    } else if (code < 0x800) {
        bytes += static_cast<char>(0xC0 | (code >> 6));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        bytes += static_cast<char>(0xE0 | (code >> 12));
        bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
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
