#include "common/CaseFold.h"
#include "common/TextCompare.h"

#include <gtest/gtest.h>

namespace {

struct FoldRow {
    unsigned code;
    unsigned folded;
};

const FoldRow kFoldCases[] = {
    {0x0000, 0x0000}, {'A', 'a'}, {'Z', 'z'}, {'a', 'a'}, {'@', '@'}, {'[', '['}, {'5', '5'},
    // Latin-1
    {0x00C0, 0x00E0}, {0x00D6, 0x00F6}, {0x00D7, 0x00D7}, {0x00DE, 0x00FE}, {0x00DF, 0x00DF},
    {0x00B5, 0x03BC}, {0x00FF, 0x00FF},
    // Latin Extended-A and -B
    {0x0100, 0x0101}, {0x0101, 0x0101}, {0x012E, 0x012F}, {0x0130, 0x0130}, {0x0131, 0x0131},
    {0x0139, 0x013A}, {0x0147, 0x0148}, {0x0149, 0x0149}, {0x014A, 0x014B}, {0x0178, 0x00FF},
    {0x017D, 0x017E}, {0x017F, 's'}, {0x0181, 0x0253}, {0x01C4, 0x01C6}, {0x01C5, 0x01C6},
    {0x01F1, 0x01F3}, {0x0232, 0x0233},
    // Greek, Cyrillic, Armenian, Georgian, Cherokee
    {0x0391, 0x03B1}, {0x03A9, 0x03C9}, {0x03A2, 0x03A2}, {0x03C2, 0x03C3}, {0x03C3, 0x03C3},
    {0x0401, 0x0451}, {0x0410, 0x0430}, {0x042F, 0x044F}, {0x0460, 0x0461}, {0x04C0, 0x04CF},
    {0x0531, 0x0561}, {0x0556, 0x0586}, {0x0587, 0x0587}, {0x10A0, 0x2D00}, {0x13A0, 0x13A0},
    {0xAB70, 0x13A0},
    // letterlike, Roman numerals, fullwidth, end of the plane
    {0x212A, 'k'}, {0x2126, 0x03C9}, {0x2160, 0x2170}, {0xFF21, 0xFF41}, {0xFF3A, 0xFF5A},
    {0xFF41, 0xFF41}, {0xFFFF, 0xFFFF},
};

TEST(FoldCase, Table)
{
    for (const auto& c : kFoldCases) {
        EXPECT_EQ(static_cast<unsigned>(Common::FoldCase(static_cast<wchar_t>(c.code))), c.folded)
            << "U+" << std::hex << c.code;
    }
}

TEST(FoldCase, FoldedFormsFoldToThemselves)
{
    for (unsigned code = 0; code <= 0xFFFF; ++code) {
        wchar_t once = Common::FoldCase(static_cast<wchar_t>(code));
        ASSERT_EQ(Common::FoldCase(once), once) << "U+" << std::hex << code;
    }
}

struct EqualCase {
    const wchar_t* a;
    const wchar_t* b;
    int compare;
    bool equal;
};

const EqualCase kEqualCases[] = {
    {L"ABC", L"abc", Common::CompareBinary, false},
    {L"ABC", L"abc", Common::CompareText, true},
    {L"ABC", L"abc", Common::CompareDatabase, true},
    {L"ABC", L"abc", 3, false},
    {L"ABC", L"abc", -1, false},
    {L"abc", L"abc", Common::CompareBinary, true},
    {L"abc", L"abcd", Common::CompareText, false},
    {L"", L"", Common::CompareText, true},
    {L"\x03A3\x0391\x03A3", L"\x03C3\x03B1\x03C2", Common::CompareText, true},
    {L"\x0416\x0418", L"\x0436\x0438", Common::CompareText, true},
    {L"STRASSE", L"stra\x00DF" L"e", Common::CompareText, false},
};

TEST(TextEqual, CompareModes)
{
    for (const auto& c : kEqualCases) {
        EXPECT_EQ(Common::TextEqual(c.a, c.b, c.compare), c.equal)
            << "'" << c.a << "' vs '" << c.b << "' compare " << c.compare;
    }
}

} // namespace
