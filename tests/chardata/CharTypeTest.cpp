// The character-type description from the system's own type words.
#include "chardata/CharType.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace CharData;

TEST(ShowCharType, TextsFromTheSystemsTypeWords)
{
    struct Case {
        std::int32_t code;
        std::wstring item1, item2, item3, panel;
    };
    // Wine marks ASCII letters, digits and the space as half-width
    // characters in CT_CTYPE3.
    const Case cases[] = {
        {L'A', L"Uppercase, Hex. digit", L"Left to right", L"Half-width char.",
         L"Uppercase, Hex. digit; Left to right; Half-width char."},
        {L'5', L"Dec. digit, Hex. digit", L"European number or digit", L"Half-width char.",
         L"Dec. digit, Hex. digit; European number or digit; Half-width char."},
        {L' ', L"Space char., Blank char.", L"White space", L"Symbol, Half-width char.",
         L"Space char., Blank char.; White space; Symbol, Half-width char."},
        {0x0378, L"", L"", L"", L""},                          // unassigned: no class says anything
        {0x0300, L"", L"", L"Nonspacing mark, Diacritic nonspacing mark",
         L"Nonspacing mark, Diacritic nonspacing mark"},
        {0x0600, L"Control char.", L"Arabic number", L"", L"Control char.; Arabic number"},
        {0xD800, L"", L"Left to right", L"", L"Left to right"},  // the surrogate bit adds nothing
        {0x3042, L"", L"Left to right", L"Hiragana char.", L"Left to right; Hiragana char."},
        {-1, L"", L"", L"", L""},
        {0x10000, L"", L"", L"", L""},
    };
    for (const auto& c : cases) {
        const CharTypeText text = ShowCharType(c.code);
        EXPECT_EQ(text.Items[0], c.item1) << "U+" << std::hex << c.code;
        EXPECT_EQ(text.Items[1], c.item2) << "U+" << std::hex << c.code;
        EXPECT_EQ(text.Items[2], c.item3) << "U+" << std::hex << c.code;
        EXPECT_EQ(text.Panel, c.panel) << "U+" << std::hex << c.code;
    }
}

TEST(ShowCharType, ReturnsTheCType3Word)
{
    for (wchar_t c : {L'A', L' ', L'\x0300', L'\xD800', L'\x3042', L'\x0378'}) {
        WORD expected = 0;
        ASSERT_TRUE(GetStringTypeW(CT_CTYPE3, &c, 1, &expected));
        EXPECT_EQ(ShowCharType(c).CType3, expected) << "U+" << std::hex << static_cast<int>(c);
    }
}

} // namespace
