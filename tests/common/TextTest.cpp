#include "common/TextSearch.h"
#include "common/TextUtil.h"

#include <string>

#include <gtest/gtest.h>

namespace {

using namespace Common;

struct InStrCase {
    int start;
    const wchar_t* text;
    const wchar_t* find;
    int compare;
    int expected;
};

const InStrCase kInStrCases[] = {
    {1, L"abcabc", L"bc", CompareBinary, 2},
    {3, L"abcabc", L"bc", CompareBinary, 5},
    {0, L"abcabc", L"bc", CompareBinary, 2},
    {6, L"abcabc", L"bc", CompareBinary, 0},
    {7, L"abcabc", L"c", CompareBinary, 0},
    {1, L"abc", L"abcd", CompareBinary, 0},
    {1, L"aBC", L"bc", CompareBinary, 0},
    {1, L"aBC", L"bc", CompareText, 2},
    {2, L"abc", L"", CompareBinary, 2},
    {1, L"", L"", CompareBinary, 0},
    {1, L"", L"a", CompareBinary, 0},
};

TEST(InStr, Table)
{
    for (const auto& c : kInStrCases) {
        EXPECT_EQ(InStr(c.start, c.text, c.find, c.compare), c.expected)
            << "InStr(" << c.start << ", '" << c.text << "', '" << c.find << "', " << c.compare << ")";
    }
}

const InStrCase kInStrRevCases[] = {
    {-1, L"abcabc", L"bc", CompareBinary, 5},
    {5, L"abcabc", L"bc", CompareBinary, 2},
    {6, L"abcabc", L"bc", CompareBinary, 5},
    {7, L"abcabc", L"bc", CompareBinary, 0},
    {1, L"abcabc", L"bc", CompareBinary, 0},
    {-1, L"abcABC", L"bc", CompareText, 5},
    {-1, L"abc", L"", CompareBinary, 3},
    {2, L"abc", L"", CompareBinary, 2},
    {-1, L"", L"a", CompareBinary, 0},
};

TEST(InStrRev, Table)
{
    for (const auto& c : kInStrRevCases) {
        EXPECT_EQ(InStrRev(c.text, c.find, c.start, c.compare), c.expected)
            << "InStrRev('" << c.text << "', '" << c.find << "', " << c.start << ", " << c.compare << ")";
    }
}

struct InStrAnyCase {
    int start;
    const wchar_t* text;
    const wchar_t* set;
    int compare;
    bool fromEnd;
    int expected;
};

const InStrAnyCase kInStrAnyCases[] = {
    {1, L"a b,c", L" ,", CompareBinary, false, 2},
    {-1, L"a b,c", L" ,", CompareBinary, true, 4},
    {3, L"a b,c", L" ,", CompareBinary, false, 4},
    {3, L"a b,c", L" ,", CompareBinary, true, 2},
    {0, L"a b,c", L" ,", CompareBinary, false, 2},
    {9, L"a b,c", L" ,", CompareBinary, false, 0},
    {9, L"a b,c", L" ,", CompareBinary, true, 0},
    {1, L"a b,c", L";", CompareBinary, false, 0},
    {1, L"", L",", CompareBinary, false, 0},
    {1, L"a,b", L"", CompareBinary, false, 0},
    {1, L"xBc", L"b", CompareBinary, false, 0},
    {1, L"xBc", L"b", CompareText, false, 2},
    {1, L"xBc", L"b", CompareDatabase, false, 2},
    {1, L"xBc", L"b", 3, false, 0},
    {-1, L"bxB", L"b", CompareText, true, 3},
    {-1, L"bxB", L"b", CompareBinary, true, 1},
};

TEST(InStrAny, Table)
{
    for (const auto& c : kInStrAnyCases) {
        EXPECT_EQ(InStrAny(c.start, c.text, c.set, c.compare, c.fromEnd), c.expected)
            << "InStrAny(" << c.start << ", '" << c.text << "', '" << c.set << "', " << c.compare << ", "
            << c.fromEnd << ")";
    }
}

struct BeforeCase {
    const wchar_t* text;
    const wchar_t* delimiter;
    bool emptyIfNotFound;
    int compare;
    const wchar_t* expected;
};

const BeforeCase kBeforeCases[] = {
    {L"key=value", L"=", false, CompareBinary, L"key"},
    {L"novalue", L"=", false, CompareBinary, L"novalue"},
    {L"novalue", L"=", true, CompareBinary, L""},
    {L"a=b=c", L"=", false, CompareBinary, L"a"},
    {L"=value", L"=", true, CompareBinary, L""},
    {L"abc", L"", true, CompareBinary, L"abc"},
    {L"aXb", L"x", false, CompareBinary, L"aXb"},
    {L"aXb", L"x", false, CompareText, L"a"},
    {L"a::b", L"::", false, CompareBinary, L"a"},
};

TEST(TextBefore, Table)
{
    for (const auto& c : kBeforeCases) {
        EXPECT_EQ(TextBefore(c.text, c.delimiter, c.emptyIfNotFound, c.compare), c.expected)
            << "TextBefore('" << c.text << "', '" << c.delimiter << "', " << c.emptyIfNotFound << ")";
    }
}

struct AfterCase {
    const wchar_t* text;
    const wchar_t* delimiter;
    int length;
    bool emptyIfNotFound;
    int compare;
    const wchar_t* expected;
};

const AfterCase kAfterCases[] = {
    {L"D.4352", L"D.", 0, false, CompareBinary, L"4352"},
    {L"abc", L"=", 0, true, CompareBinary, L""},
    {L"abc", L"=", 0, false, CompareBinary, L"abc"},
    {L"k=value", L"=", 3, false, CompareBinary, L"val"},
    {L"k=va", L"=", 9, false, CompareBinary, L"va"},
    {L"a=b=c", L"=", 0, false, CompareBinary, L"b=c"},
    {L"abc", L"", 0, true, CompareBinary, L"abc"},
    {L"abc", L"", 2, false, CompareBinary, L"ab"},
    {L"key=", L"=", 0, true, CompareBinary, L""},
    {L"Key=1", L"KEY=", 0, false, CompareBinary, L"Key=1"},
    {L"Key=1", L"KEY=", 0, false, CompareText, L"1"},
};

TEST(TextAfter, Table)
{
    for (const auto& c : kAfterCases) {
        EXPECT_EQ(TextAfter(c.text, c.delimiter, c.length, c.emptyIfNotFound, c.compare), c.expected)
            << "TextAfter('" << c.text << "', '" << c.delimiter << "', " << c.length << ", " << c.emptyIfNotFound
            << ", " << c.compare << ")";
    }
}

TEST(PadLeft, Table)
{
    struct {
        const wchar_t* text;
        const wchar_t* pad;
        const wchar_t* expected;
    } cases[] = {
        {L"7F", L"0000", L"007F"}, {L"A", L"0000", L"000A"}, {L"12345", L"0000", L"12345"},
        {L"1234", L"0000", L"1234"}, {L"", L"abc", L"abc"}, {L"x", L"", L"x"}, {L"3", L"abcd", L"abc3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PadLeft(c.text, c.pad), c.expected) << "PadLeft('" << c.text << "', '" << c.pad << "')";
}

TEST(SpliceText, Table)
{
    constexpr int kNoLength = -1;
    struct {
        const wchar_t* text;
        int position;
        int length;
        const wchar_t* insert;
        const wchar_t* expected;
    } cases[] = {
        {L"abcdef", 3, 2, L"XY", L"abXYef"},
        {L"abcdef", 3, kNoLength, L"XY", L"abXY"},
        {L"abcdef", 3, -5, L"XY", L"abXY"},
        {L"abcdef", 3, 0, L"XY", L"abXYcdef"},
        {L"abcdef", 3, 100, L"XY", L"abXY"},
        {L"abcdef", 1, 6, L"", L""},
        {L"abcdef", 6, 1, L"XY", L"abcdeXY"},
        {L"abcdef", 7, 1, L"XY", L"abcdef"},
        {L"abcdef", 0, 1, L"XY", L"abcdef"},
        {L"", 1, 0, L"XY", L""},
    };
    for (const auto& c : cases) {
        std::wstring text = c.text;
        if (c.length == kNoLength)
            SpliceText(text, c.position, c.insert);
        else
            SpliceText(text, c.position, c.length, c.insert);
        EXPECT_EQ(text, c.expected) << "SpliceText('" << c.text << "', " << c.position << ", " << c.length << ")";
    }
}

TEST(TrimNull, Table)
{
    struct {
        const char* name;
        std::wstring text;
        unsigned char maxCode;
        std::wstring expected;
    } cases[] = {
        {"two zeros", std::wstring(L"C:\\Fonts\0\0", 10), 0, L"C:\\Fonts"},
        {"only zeros", std::wstring(2, L'\0'), 0, L""},
        {"zero inside stays", std::wstring(L"ab\0c", 4), 0, std::wstring(L"ab\0c", 4)},
        {"blanks and tabs up to 32", L"ab \t ", 32, L"ab"},
        {"blank kept with 0", L"ab ", 0, L"ab "},
        {"Latin-1 code at the limit", L"\x00F0\x00E9", 0xE9, L"\x00F0"},
        {"above U+00FF never trimmed", L"a\x4E00", 255, L"a\x4E00"},
        {"empty", L"", 0, L""},
    };
    for (const auto& c : cases) EXPECT_EQ(TrimNull(c.text, c.maxCode), c.expected) << c.name;
}

} // namespace
