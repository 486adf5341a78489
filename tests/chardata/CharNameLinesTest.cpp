// The lines of the name and entity files: where a line ends, what counts as
// a comment, which code fields are read, and what a line says.
#include "chardata/CharNameLines.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using namespace CharData;

struct SplitCase {
    std::wstring text;
    std::vector<std::wstring> lines;
};

TEST(CharNameLines, SplitLines)
{
    const SplitCase cases[] = {
        {L"", {}},
        {L"a", {L"a"}},
        {L"a\r\nb\r\n", {L"a", L"b"}},
        {L"a\r\nb", {L"a", L"b"}},
        {L"a\nb\n", {L"a", L"b"}},
        {L"a\rb\r", {L"a", L"b"}},
        {L"a\r\n\r\nb", {L"a", L"", L"b"}},
        {L"a\n\rb", {L"a", L"", L"b"}},
        {L"a\r\r\nb", {L"a", L"", L"b"}},
        {L"\r\n", {L""}},
        // The shipped name file ends with a NUL after its last line break.
        {std::wstring(L"0237,X\r\n") + L'\0', {L"0237,X", L""}},
        {std::wstring(L"a") + L'\0' + L"b", {L"a", L"b"}},
    };
    for (const auto& c : cases) {
        std::vector<std::wstring> got;
        for (std::wstring_view line : SplitLines(c.text)) got.emplace_back(line);
        EXPECT_EQ(got, c.lines) << "text '" << c.text << "'";
    }
}

struct HexCase {
    std::wstring field;
    std::optional<std::int64_t> value;
};

TEST(CharNameLines, ReadHexField)
{
    const HexCase cases[] = {
        {L"0237", 0x237},
        {L"ffff", 0xFFFF},
        {L"", 0},
        {L"10000", 0x10000},
        {L"FFFFFFFFFFFF", 0xFFFFFFFFFFFF},
        {L"0000000000041", std::nullopt},  // 13 digits: beyond the reader
        {L" 0041", std::nullopt},
        {L"0041 ", std::nullopt},
        {L"00G1", std::nullopt},
        {L"&H41", std::nullopt},
        {L"-1", std::nullopt},
        {std::wstring(1, L'\0'), std::nullopt},
        {L"\xFF10", std::nullopt},          // a fullwidth digit is no hex digit
    };
    for (const auto& c : cases) EXPECT_EQ(ReadHexField(c.field), c.value) << "field '" << c.field << "'";
}

struct NameCase {
    std::wstring line;
    std::optional<std::int32_t> code; // nothing: the line says nothing
    std::wstring name;
};

TEST(CharNameLines, ParseNameLine)
{
    const NameCase cases[] = {
        {L"0237,Latin Small Letter Dotless J", 0x237, L"Latin Small Letter Dotless J"},
        {L"0237,  Padded Name  ", 0x237, L"Padded Name"},
        {L"0237,,, Two Commas Each Side ,,", 0x237, L"Two Commas Each Side"},
        {L"0237, , ,Blank Commas, ,", 0x237, L"Blank Commas"},
        {L"0237,Inner, Comma", 0x237, L"Inner, Comma"},
        {L"abcd,Lower Case Code", 0xABCD, L"Lower Case Code"},
        {L"FFFF,Last", 0xFFFF, L"Last"},
        {L",No Code", 0, L"No Code"},       // an empty code field reads as 0
        {L"ABC", 0xABC, L"ABC"},            // no comma: the line is both code and name
        {L"10000,Beyond The Plane", std::nullopt, L""},
        {L"0237,", std::nullopt, L""},
        {L"0237, ,, ", std::nullopt, L""},
        {L"", std::nullopt, L""},
        {L";0237,Comment", std::nullopt, L""},
        {L"//0237,Comment", std::nullopt, L""},
        {L"/0237,One Slash", std::nullopt, L""},
        {L" ;0237,Not A Comment", std::nullopt, L""}, // not a comment, but no code either
        {L"02X7,Typo", std::nullopt, L""},
        {L" 0237,Blank Before Code", std::nullopt, L""},
        {std::wstring(1, L'\0'), std::nullopt, L""},
        {L"Garbage Line", std::nullopt, L""},
    };
    for (const auto& c : cases) {
        const std::optional<NameLine> got = ParseNameLine(c.line);
        ASSERT_EQ(got.has_value(), c.code.has_value()) << "line '" << c.line << "'";
        if (!got) continue;
        EXPECT_EQ(got->Code, *c.code) << "line '" << c.line << "'";
        EXPECT_EQ(got->Name, c.name) << "line '" << c.line << "'";
    }
}

struct EntityCase {
    std::wstring line;
    std::optional<std::int32_t> code;
    bool ie;
    std::wstring entity;
};

TEST(CharNameLines, ParseEntityLine)
{
    const EntityCase cases[] = {
        {L"00A0,IE,nbsp,NonBreakingSpace", 0xA0, true, L"nbsp,NonBreakingSpace"},
        {L"002A,  ,ast,midast", 0x2A, false, L"ast,midast"},
        {L"0022,IE,quot", 0x22, true, L"quot"},
        {L"0022,ie,quot", 0x22, true, L"quot"},
        {L"0022,iE,quot", 0x22, true, L"quot"},
        {L"0022, Ie ,quot", 0x22, true, L"quot"},
        {L"0022,IEX,quot", 0x22, false, L"quot"},
        {L"0022,I,quot", 0x22, false, L"quot"},
        {L"0026,  ,,amp,,", 0x26, false, L"amp"},
        {L"0026,  , amp , AMP ", 0x26, false, L"amp , AMP"},
        {L",IE,nothing", 0, true, L"nothing"},
        {L"0041,IE", std::nullopt, false, L""},   // a code and a marker, no entity
        {L"0041,IE,", std::nullopt, false, L""},
        {L"0041,IE, ,, ", std::nullopt, false, L""},
        {L"0041", std::nullopt, false, L""},
        {L"nbsp", std::nullopt, false, L""},
        {L"10000,  ,beyond", std::nullopt, false, L""},
        {L";00A0,IE,nbsp", std::nullopt, false, L""},
        {L"//00A0,IE,nbsp", std::nullopt, false, L""},
        {L"00G0,IE,typo", std::nullopt, false, L""},
        {L"", std::nullopt, false, L""},
    };
    for (const auto& c : cases) {
        const std::optional<EntityLine> got = ParseEntityLine(c.line);
        ASSERT_EQ(got.has_value(), c.code.has_value()) << "line '" << c.line << "'";
        if (!got) continue;
        EXPECT_EQ(got->Code, *c.code) << "line '" << c.line << "'";
        EXPECT_EQ(got->IE, c.ie) << "line '" << c.line << "'";
        EXPECT_EQ(got->Entity, c.entity) << "line '" << c.line << "'";
    }
}

} // namespace
