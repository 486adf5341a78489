#include "common/SymbolCodePage.h"

#include <string>

#include <gtest/gtest.h>

namespace {

struct SymbolCase {
    std::wstring text;
    std::string bytes;
};

const SymbolCase kSymbolCases[] = {
    {L"", ""},
    {std::wstring(1, L'\0'), std::string(1, '\0')},
    {L"\x0001\x001F", "\x01\x1F"},
    {L"\xF020", " "},
    {L"\xF041\xF061", "Aa"},
    {L"\xF0FF", "\xFF"},
    {L"A", "?"},
    {L" ", "?"},
    {L"\x00E9", "?"},
    {L"\xF01F", "?"},
    {L"\xF100", "?"},
    {L"\x001F\x0020\xF020", "\x1F? "},
};

TEST(SymbolCodePageBytes, Table)
{
    for (const auto& c : kSymbolCases) {
        std::string text;
        for (wchar_t ch : c.text) text += std::to_string(static_cast<unsigned>(ch)) + " ";
        EXPECT_EQ(amUnicode::SymbolCodePageBytes(c.text), c.bytes) << "code units " << text;
    }
}

} // namespace
