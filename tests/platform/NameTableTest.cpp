// The name list reader of GetUName.dll and its derived names.
#include "HangulName.h"
#include "NameTable.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using UName::NameTable;

struct NameCase {
    uint32_t code;
    const char* expected;
};

// A list with every kind of line, including lines the reader must skip, and
// a last line without a line break.
const char kList[] =
    "; a comment line\n"
    "0041,Latin Capital Letter A\r\n"
    "0000..001F,<Control>\n"
    "12G4,Not A Code\n"
    "0042\n"
    "0043,\n"
    "0044..0040,Backwards Range\n"
    "004,Three Digits\n"
    "0045;Wrong Separator\n"
    "0046..,Open Range\n"
    "0041..0050,Overlaps The Line Above\n"
    "3400..4DB5,CJK Unified Ideograph\n"
    "AC00..D7A3,Hangul Syllable\n"
    "E000..F8FF,Private Use\n"
    "00e9,Latin Small Letter E With Acute\n"
    "FFFD,Replacement Character";

const NameCase kListCases[] = {
    {0x0041, "Latin Capital Letter A"},
    {0x0000, "<Control>"},
    {0x001F, "<Control>"},
    {0x0020, "Undefined"},
    {0x0042, "Undefined"},
    {0x0043, "Undefined"},
    {0x0044, "Undefined"},
    {0x0045, "Undefined"},
    {0x0046, "Undefined"},
    {0x0050, "Undefined"},
    {0x1204, "Undefined"},
    {0x3400, "CJK Unified Ideograph-3400"},
    {0x4DB5, "CJK Unified Ideograph-4DB5"},
    {0x4DB6, "Undefined"},
    {0x33FF, "Undefined"},
    {0xAC00, "Hangul Syllable Ga"},
    {0xD7A3, "Hangul Syllable Hih"},
    {0xD7A4, "Undefined"},
    {0xE000, "Private Use"},
    {0xF8FF, "Private Use"},
    {0x00E9, "Latin Small Letter E With Acute"},
    {0xFFFD, "Replacement Character"},
    {0xFFFE, "Undefined"},
    {0xFFFF, "Undefined"},
    // Codes above the BMP never alias a BMP entry.
    {0x10041, "Undefined"},
    {0x1AC00, "Undefined"},
    {0xFFFFFFFF, "Undefined"},
};

TEST(NameTable, ReadsEveryKindOfLine)
{
    const NameTable table(kList);
    EXPECT_EQ(table.size(), 7u);
    for (const auto& c : kListCases) {
        EXPECT_EQ(table.Name(c.code), c.expected) << "code " << std::hex << c.code;
    }
}

TEST(NameTable, EmptyListNamesNothing)
{
    const NameTable table("");
    for (uint32_t code : {0x0000u, 0x0041u, 0xAC00u, 0xFFFFu}) {
        EXPECT_EQ(table.Name(code), "Undefined") << "code " << std::hex << code;
    }
}

// The jamo of the first, last and some inner syllables: leading consonant
// missing (U+C544), trailing consonant missing and present, two-letter jamo.
const NameCase kHangulCases[] = {
    {0xAC00, "Ga"},  {0xAC01, "Gag"}, {0xAC1C, "Gae"}, {0xAE00, "Geul"}, {0xBE4C, "Bil"},
    {0xC544, "A"},   {0xC78E, "Ip"},  {0xD55C, "Han"}, {0xD7A3, "Hih"},
    {0xABFF, ""},    {0xD7A4, ""},
};

TEST(HangulSyllableSuffix, JamoShortNames)
{
    for (const auto& c : kHangulCases) {
        EXPECT_EQ(UName::HangulSyllableSuffix(c.code), c.expected) << "code " << std::hex << c.code;
    }
}

} // namespace
