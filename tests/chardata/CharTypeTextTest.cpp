// The character-type words in words: the captions of the three classes and
// the joined panel text.
#include "chardata/CharTypeText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace CharData;

TEST(CharTypeText, AddTypeText)
{
    struct Case {
        std::wstring caption;
        std::uint32_t value, mask;
        std::wstring result;
    };
    const Case cases[] = {
        {L"", 1, 1, L"Uppercase"},
        {L"Uppercase", 0x81, 0x80, L"Uppercase, Hex. digit"},
        {L"Uppercase", 0x01, 0x80, L"Uppercase"},
        {L"", 0, 0xFFFFFFFF, L""},
    };
    for (const auto& c : cases) {
        std::wstring caption = c.caption;
        AddTypeText(caption, c.value, c.mask, c.value == 1 ? L"Uppercase" : L"Hex. digit");
        EXPECT_EQ(caption, c.result) << "'" << c.caption << "' " << c.value << "/" << c.mask;
    }
}

TEST(CharTypeText, DescribeCharType)
{
    struct Case {
        const char* what;
        std::uint32_t c1, c2, c3;
        std::wstring item1, item2, item3, panel;
    };
    // The words as GetStringTypeW gives them, with the bits no text stands
    // for (C1_ALPHA 0x100, C1_DEFINED 0x200, C3_ALPHA 0x8000) left in.
    const Case cases[] = {
        {"A", 0x381, 1, 0x8000, L"Uppercase, Hex. digit", L"Left to right", L"",
         L"Uppercase, Hex. digit; Left to right"},
        {"5", 0x284, 3, 0, L"Dec. digit, Hex. digit", L"European number or digit", L"",
         L"Dec. digit, Hex. digit; European number or digit"},
        {"space", 0x248, 10, 0, L"Space char., Blank char.", L"White space", L"",
         L"Space char., Blank char.; White space"},
        {"nothing", 0, 0, 0, L"", L"", L"", L""},
        {"direction 11", 0, 11, 0, L"", L"", L"", L""},
        {"all class 1", 0xFF, 0, 0, L"Uppercase, Lowercase, Dec. digit, Space char., Punctuation, Control char., "
                                    L"Blank char., Hex. digit", L"", L"",
         L"Uppercase, Lowercase, Dec. digit, Space char., Punctuation, Control char., Blank char., Hex. digit"},
        {"all class 3", 0, 0, 0x7FF, L"", L"",
         L"Nonspacing mark, Diacritic nonspacing mark, Vowel nonspacing mark, Symbol, Katakana char., "
         L"Hiragana char., Half-width char., Full-width char., Ideographic char., Arabic Kashida char., "
         L"Punctuation as word part",
         L"Nonspacing mark, Diacritic nonspacing mark, Vowel nonspacing mark, Symbol, Katakana char., "
         L"Hiragana char., Half-width char., Full-width char., Ideographic char., Arabic Kashida char., "
         L"Punctuation as word part"},
        {"class 3 above 1024 only", 0, 0, 0xF800, L"", L"", L"", L""},
        {"class 1 and 3", 0x10, 0, 0x8, L"Punctuation", L"", L"Symbol", L"Punctuation; Symbol"},
        {"class 2 and 3", 0, 2, 0x200, L"", L"Right to left", L"Arabic Kashida char.",
         L"Right to left; Arabic Kashida char."},
    };
    for (const auto& c : cases) {
        const CharTypeText text = DescribeCharType(c.c1, c.c2, c.c3);
        EXPECT_EQ(text.Items[0], c.item1) << c.what;
        EXPECT_EQ(text.Items[1], c.item2) << c.what;
        EXPECT_EQ(text.Items[2], c.item3) << c.what;
        EXPECT_EQ(text.Panel, c.panel) << c.what;
        EXPECT_EQ(text.CType3, c.c3) << c.what;
    }
}

} // namespace
