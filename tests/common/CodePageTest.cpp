#include "common/CodePage.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using amUnicode::UnicodeToAnsi;

// Bytes as "E2 82 AC" for failure messages.
std::string HexBytes(const std::string& bytes)
{
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (unsigned char b : bytes) {
        if (!text.empty()) text += ' ';
        text += kDigits[b >> 4];
        text += kDigits[b & 15];
    }
    return text;
}

std::string DefaultChar(UINT codePage)
{
    CPINFO info{};
    if (!GetCPInfo(codePage, &info)) return "?";
    return std::string(reinterpret_cast<const char*>(info.DefaultChar));
}

struct AnsiCase {
    const char* name;
    std::wstring text;
    int codePage;
    std::string bytes;
};

TEST(UnicodeToAnsi, Table)
{
    const AnsiCase cases[] = {
        {"ASCII in UTF-8", L"A", 65001, "A"},
        {"euro in UTF-8", L"\x20AC", 65001, "\xE2\x82\xAC"},
        {"e acute in UTF-8", L"\x00E9", 65001, "\xC3\xA9"},
        {"empty text", L"", 65001, ""},
        {"empty text, Symbol", L"", 42, ""},
        {"zero character kept", std::wstring(L"A\0B", 3), 65001, std::string("A\0B", 3)},
        {"unknown code page", L"A", 12345, ""},
        {"Cyrillic in 1251", L"\x0416", 1251, "\xC6"},
        {"missing from 1251", L"\x4E00", 1251, DefaultChar(1251)},
        {"Latin-1 in 1252", L"\x00E9\x20AC", 1252, "\xE9\x80"},
        {"double-byte bytes in 932", L"A\x3042", 932, "A\x82\xA0"},
        {"kanji in 932", L"\x65E5", 932, "\x93\xFA"},
        {"Symbol: private-use area", L"\xF041\xF020\xF0FF", 42, "A \xFF"},
        {"Symbol: control characters kept", L"\x0001\x001F", 42, "\x01\x1F"},
        {"Symbol: anything else is the default character", L"A\x00E9", 42, "??"},
        {"UTF-7 of ASCII letters", L"Ab", 65000, "Ab"},
    };
    for (const auto& c : cases) {
        std::string bytes = UnicodeToAnsi(c.text, c.codePage);
        EXPECT_EQ(bytes, c.bytes) << c.name << ": got " << HexBytes(bytes) << ", want " << HexBytes(c.bytes);
    }
}

TEST(UnicodeToAnsi, CodePageZeroIsTheAnsiCodePage)
{
    const std::wstring text = L"A\x00E9\x20AC\x4E00";
    EXPECT_EQ(UnicodeToAnsi(text, 0), UnicodeToAnsi(text, static_cast<int>(GetACP())));
}

TEST(UnicodeToAnsi, Utf7RoundTrips)
{
    const std::wstring texts[] = {L"A", L"\x20AC", L"1 + 1 = 2", L"a\x00E9\x4E00z", L"~\\+-", L"\xFFFD\x0416-"};
    for (const auto& text : texts) {
        std::string bytes = UnicodeToAnsi(text, 65000);
        ASSERT_FALSE(bytes.empty()) << "UTF-7 of text " << text.size() << " long";
        for (unsigned char b : bytes) EXPECT_LT(b, 0x80) << "UTF-7 is 7-bit";
        int n = MultiByteToWideChar(65000, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
        std::wstring back(static_cast<std::size_t>(n), L'\0');
        MultiByteToWideChar(65000, 0, bytes.data(), static_cast<int>(bytes.size()), back.data(), n);
        EXPECT_EQ(back, text) << "UTF-7 bytes " << bytes;
    }
}

TEST(BytesToString, Table)
{
    const std::vector<std::uint8_t> bytes = {65, 66, 0, 67};
    struct {
        const char* name;
        std::size_t start, count;
        bool keepZeros;
        std::wstring text;
    } cases[] = {
        {"stops at zero", 0, Common::kAllBytes, false, L"AB"},
        {"keeps zeros", 0, Common::kAllBytes, true, std::wstring(L"AB\0C", 4)},
        {"start and count", 1, 2, false, L"B"},
        {"start and count, zeros kept", 1, 2, true, std::wstring(L"B\0", 2)},
        {"from the last byte", 3, Common::kAllBytes, false, L"C"},
        {"count beyond the end", 3, 99, false, L"C"},
        {"start beyond the end", 9, Common::kAllBytes, true, L""},
        {"count 0", 0, 0, true, L""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Common::BytesToString(bytes, c.start, c.count, c.keepZeros), c.text) << c.name;
    EXPECT_EQ(Common::BytesToString(std::string("xy\0z", 4)), L"xy") << "bytes held in a string";
    EXPECT_EQ(Common::BytesToString(std::vector<std::uint8_t>{}), L"");
}

TEST(BytesToString, HighBytesGoThroughTheAnsiCodePage)
{
    for (int b = 0x80; b <= 0xFF; ++b) {
        char byte = static_cast<char>(b);
        WCHAR expected = 0;
        if (MultiByteToWideChar(CP_ACP, 0, &byte, 1, &expected, 1) != 1) continue;
        std::wstring text = Common::BytesToString(std::string(1, byte));
        ASSERT_EQ(text.size(), 1u) << "byte " << b;
        EXPECT_EQ(text[0], expected) << "byte " << b;
    }
    if (GetACP() == 1252) {
        EXPECT_EQ(Common::BytesToString(std::string("\x80\xE9")), L"\x20AC\x00E9");
    }
}

} // namespace
