// The byte forms with the system's real conversion, held against
// references that do not come from the system's encoders: every BMP code
// unit that is not a surrogate in UTF-8 (RFC 3629), "% Escape" and UTF-7
// (decoded back by RFC 2152), and in each code page of the list, whose
// bytes the system must convert back to the character or to the code
// page's default character.
#include "chardata/CodePageList.h"
#include "chardata/FormBytes.h"
#include "tests/chardata/EncodingReferences.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

using CharData::FormatChar;
using CharData::FormatCopyText;
using CharData::OutputFormat;
using CharData::SystemFormContext;

bool IsSurrogate(unsigned code)
{
    return code >= 0xD800 && code <= 0xDFFF;
}

std::string Hex(const std::string& bytes)
{
    std::string text;
    char part[4];
    for (unsigned char b : bytes) {
        std::snprintf(part, sizeof part, "%02X ", b);
        text += part;
    }
    return text;
}

TEST(FormBytes, ExamplesWithTheSystemConversion)
{
    struct Case { const char* what; OutputFormat format; int codePage; std::wstring copy; std::string expected; };
    const Case cases[] = {
        {"utf-8", OutputFormat::UTF8, 0, L"\u00E9\u20AC", "\xC3\xA9\xE2\x82\xAC"},
        {"escape", OutputFormat::PercentEscape, 0, L"\u00E9\u20AC", "%e9%E2%82%AC"},
        {"escape U+0100", OutputFormat::PercentEscape, 0, L"\u0100", "%C4%80"},
        {"utf-7, one run per character", OutputFormat::UTF7, 0, L"\u00E9\u20AC", "+AOk-+IKw-"},
        {"utf-7 direct and plus", OutputFormat::UTF7, 0, L"A+", "A+-"},
        {"Western European", OutputFormat::CodePage, 1252, L"\u00E9\u20AC", "\xE9\x80"},
        {"no look-alike for a missing letter", OutputFormat::CodePage, 1252, L"\u0100\u03B1", "??"},
        {"Cyrillic", OutputFormat::CodePage, 1251, L"\u0416\u00E9", "\xC6?"},
        {"Japanese", OutputFormat::CodePage, 932, L"\u3042A", "\x82\xA0" "A"},
        {"Korean Johab", OutputFormat::CodePage, 1361, L"\uAC00", "\x88\x61"},
        {"Symbol", OutputFormat::CodePage, 42, L"\uF041\u0009\u00E9", "\x41\x09?"},
    };
    for (const Case& c : cases) {
        std::string got = FormatCopyText(c.copy, SystemFormContext(c.format, c.codePage, nullptr));
        EXPECT_EQ(got, c.expected) << c.what << ": " << Hex(got);
    }
}

TEST(FormBytes, EveryCodeUnitAgreesWithTheUnicodeReferences)
{
    const auto utf8 = SystemFormContext(OutputFormat::UTF8, 0, nullptr);
    const auto escape = SystemFormContext(OutputFormat::PercentEscape, 0, nullptr);
    const auto utf7 = SystemFormContext(OutputFormat::UTF7, 0, nullptr);
    int failures = 0;
    for (unsigned code = 0; code <= 0xFFFF && failures < 10; ++code) {
        if (IsSurrogate(code)) continue;
        int c = static_cast<int>(code);
        std::string reference = FormsTest::Utf8Reference(code);
        std::string escaped;
        char part[4];
        if (code < 256) {
            std::snprintf(part, sizeof part, "%%%02x", code);
            escaped = part;
        } else {
            for (unsigned char b : reference) {
                std::snprintf(part, sizeof part, "%%%02X", b);
                escaped += part;
            }
        }
        std::string got8 = FormatChar(c, utf8);
        std::string gotEscape = FormatChar(c, escape);
        std::string got7 = FormatChar(c, utf7);
        auto decoded = FormsTest::DecodeUtf7(got7);
        bool ok = got8 == reference && gotEscape == escaped && decoded && *decoded == std::wstring(1, wchar_t(code));
        if (!ok) {
            ++failures;
            ADD_FAILURE() << "U+" << std::hex << code << ": utf-8 " << Hex(got8) << "escape " << gotEscape
                          << " utf-7 " << got7;
        }
    }
}

// The character the system gives for a code page's default character.
wchar_t DefaultCharOf(int codePage)
{
    CPINFOEXW info{};
    if (!GetCPInfoExW(static_cast<UINT>(codePage), 0, &info)) return L'?';
    int length = info.DefaultChar[1] ? 2 : 1;
    WCHAR c = L'?';
    MultiByteToWideChar(static_cast<UINT>(codePage), 0, reinterpret_cast<const char*>(info.DefaultChar), length, &c,
                        1);
    return static_cast<wchar_t>(c);
}

// The Symbol code page back to text: control bytes as they are, the other
// bytes in the symbol fonts' private-use area, "?" the default character.
std::wstring SymbolBack(const std::string& bytes)
{
    std::wstring text;
    for (unsigned char b : bytes) text += b < 0x20 || b == '?' ? wchar_t(b) : wchar_t(0xF000 + b);
    return text;
}

std::wstring SystemBack(int codePage, const std::string& bytes)
{
    WCHAR buffer[8];
    int n = MultiByteToWideChar(static_cast<UINT>(codePage), 0, bytes.data(),
                                static_cast<int>(bytes.size()), buffer, 8);
    return n > 0 ? std::wstring(reinterpret_cast<wchar_t*>(buffer), static_cast<std::size_t>(n)) : std::wstring();
}

TEST(FormBytes, EveryCodePageRowGivesBackTheCharacterOrItsDefault)
{
    for (std::size_t row = 0; row < CharData::CodePageList.size(); ++row) {
        const int codePage = CharData::CodePageList[row].CodePage;
        const bool symbol = codePage == 42;
        const wchar_t fallback = symbol ? L'?' : DefaultCharOf(codePage);
        const auto context = SystemFormContext(OutputFormat::CodePage, codePage, nullptr);
        int failures = 0, exact = 0;
        for (unsigned code = 0; code <= 0xFFFF && failures < 5; ++code) {
            if (IsSurrogate(code)) continue;
            std::string bytes = FormatChar(static_cast<int>(code), context);
            std::wstring back = symbol ? SymbolBack(bytes) : SystemBack(codePage, bytes);
            if (back == std::wstring(1, wchar_t(code))) {
                ++exact;
            } else if (back != std::wstring(1, fallback)) {
                ++failures;
                ADD_FAILURE() << "code page " << codePage << ", U+" << std::hex << code << ": bytes " << Hex(bytes);
            }
        }
        // Each code page holds at least its ASCII part.
        EXPECT_GE(exact, 128) << "code page " << codePage;
    }
}

} // namespace
