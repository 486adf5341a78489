// The text helpers of the update check: key-value items, dotted versions,
// splitting, counting and replacing.
#include "common/CompareVersions.h"
#include "common/KeyValue.h"
#include "common/SplitText.h"
#include "runtime/RuntimeError.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using Common::CompareVersions;
using Common::GetKeyValue;

TEST(CompareVersions, Table)
{
    struct {
        const wchar_t* v1;
        const wchar_t* v2;
        bool strict;
        int expected;
    } cases[] = {
        {L"", L"", false, 0},
        {L"1.0", L"", false, 1},
        {L"", L"1.0", false, -1},
        {L"6.10", L"6.9", false, 1},
        {L"6.9", L"6.10", false, -1},
        {L"6.08", L"6.8", false, 0},
        {L"6.08", L"6.8", true, -2},
        {L"6.0", L"6.00", true, 0},       // zero parts are never "different lengths"
        {L"1.2", L"1.2.0", false, -1},    // a missing part is below zero
        {L"1.2.0", L"1.2", false, 1},
        {L"1.2.3", L"1.2.3", false, 0},
        {L"2", L"10", false, -1},         // numbers, not text
        {L"1..5", L"1", false, 0},        // parts end at the first empty one
        {L"1.x", L"1.0", false, 0},       // a part without a number reads as 0
        {L"99999999999999999999999", L"1", false, 1},
        {L"1.2.3.4.5.6.7.8.9.10", L"1.2.3.4.5.6.7.8.9.9", false, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CompareVersions(c.v1, c.v2, c.strict), c.expected)
            << "'" << std::string(c.v1, c.v1 + wcslen(c.v1)) << "' vs '" << std::string(c.v2, c.v2 + wcslen(c.v2))
            << "' strict " << c.strict;
    }
}

TEST(CompareVersions, AnEmptyFirstPartIsARunTimeError)
{
    for (auto [v1, v2] : {std::pair{L".5", L"1"}, std::pair{L"1", L".5"}}) {
        try {
            CompareVersions(v1, v2);
            ADD_FAILURE() << "no error";
        } catch (const Runtime::Error& e) {
            EXPECT_EQ(e.Number(), Runtime::ErrTypeMismatch);
        }
    }
}

TEST(GetKeyValue, Table)
{
    struct {
        const char* name;
        std::wstring text, key, separator;
        bool isSet;
        std::wstring expected;
    } cases[] = {
        {"key in another case", L"a=1;b=2", L"B", L";", false, L"2"},
        {"missing key", L"a=1;b=2", L"c", L";", false, L""},
        {"blanks around =, trailing blanks kept", L"Version  =  6.09 ;", L"version", L";", false, L"6.09 "},
        {"no separator: runs to the end", L"Version=6.09\r\nSize=5", L"Version", L";", false, L"6.09\r\nSize=5"},
        {"quoted value kept with its quotes", L"Version=\"6.08\";", L"Version", L";", false, L"\"6.08\""},
        {"quoted value cut at its quote", L"Version=\"6;08\" x;", L"Version", L"\";", false, L"6;08"},
        {"key inside a longer key", L"FileVersion=1;Version=2;", L"Version", L";", false, L"1"},
        {"key without = is passed over", L"Version;Version=3;", L"Version", L";", false, L"3"},
        {"occurrence inside quotes skipped", L"Note=\"Version=9\";Version=3;", L"Version", L";", false, L"3"},
        {"separator set", L"a=1,b=2 c=3", L"b", L", ", true, L"2"},
        {"underscore read as blank", L"Last Ver=7;", L"Last_Ver", L";", false, L"7"},
        {"line key matches the first line", L"Size=1\r\nx=2", L"\r\nSize", L"\r\n", false, L"1"},
        {"empty text", L"", L"Version", L";", false, L""},
        {"empty key", L"a=1", L"", L";", false, L""},
        {"value empty at the end", L"Version=", L"Version", L";", false, L""},
    };
    for (const auto& c : cases) EXPECT_EQ(GetKeyValue(c.text, c.key, c.separator, c.isSet), c.expected) << c.name;
}

TEST(GetKeyValue, PositionStartsTheSearchAndReportsTheKey)
{
    int position = 0;
    EXPECT_EQ(GetKeyValue(L"a=1;b=2", L"b", L";", false, &position), L"2");
    EXPECT_EQ(position, 0 + 5 + 1);
    position = 0;
    EXPECT_EQ(GetKeyValue(L"a=1;b=2", L"c", L";", false, &position), L"");
    EXPECT_EQ(position, -1);
    position = 5; // starts at "b": the first a is out of reach
    EXPECT_EQ(GetKeyValue(L"a=1;b=2;a=3", L"a", L";", false, &position), L"3");
    EXPECT_EQ(position, 5 + 5 + 1);
    position = 100; // beyond the end
    EXPECT_EQ(GetKeyValue(L"a=1", L"a", L";", false, &position), L"");
    EXPECT_EQ(position, -1);
}

TEST(GetKeyValue, HostileTextGivesAnAnswerAndNoFault)
{
    std::wstring huge(200000, L'V');
    EXPECT_EQ(GetKeyValue(huge, L"Version", L";"), L"");
    std::wstring manyKeys;
    for (int i = 0; i < 20000; ++i) manyKeys += L"Version";
    manyKeys += L"=1;";
    EXPECT_EQ(GetKeyValue(manyKeys, L"Version", L";"), L"1");
    std::wstring binary;
    for (int i = 0; i < 256; ++i) {
        if (i != L'"') binary += static_cast<wchar_t>(i);
    }
    EXPECT_EQ(GetKeyValue(binary + L"Size=12;" + binary, L"size", L";"), L"12");
    // A stray double quote opens a value that never ends: what follows it is
    // inside that value.
    EXPECT_EQ(GetKeyValue(L"x=\"oops;Size=12;", L"size", L";"), L"");
    std::wstring longValue = L"Version=" + std::wstring(100000, L'9') + L";";
    EXPECT_EQ(GetKeyValue(longValue, L"Version", L";").size(), 100000u);
}

TEST(SplitText, PartsUpToTheFirstEmptyOne)
{
    using V = std::vector<std::wstring>;
    EXPECT_EQ(Common::SplitText(L"1.2.3", L"."), (V{L"1", L"2", L"3"}));
    EXPECT_EQ(Common::SplitText(L"1..3", L"."), (V{L"1"}));
    EXPECT_EQ(Common::SplitText(L"1.2.", L"."), (V{L"1", L"2"}));
    EXPECT_EQ(Common::SplitText(L".5", L"."), V{});
    EXPECT_EQ(Common::SplitText(L"", L"."), V{});
    EXPECT_EQ(Common::SplitText(L"a\r\nb"), (V{L"a", L"b"}));
}

TEST(CountAndReplace, Table)
{
    EXPECT_EQ(Common::CountOf(L"aaa", L"aa", 0), 2); // overlapping
    EXPECT_EQ(Common::CountOf(L"AbAB", L"ab", 0), 0);
    EXPECT_EQ(Common::CountOf(L"AbAB", L"ab", 1), 2);
    EXPECT_EQ(Common::CountOf(L"AbAB", L"ab", 7), 0); // unknown mode: binary
    EXPECT_EQ(Common::CountOf(L"", L"a", 0), 0);
    EXPECT_EQ(Common::CountOf(L"a", L"", 0), 0);

    int count = -1;
    EXPECT_EQ(Common::ReplaceAll(L"Sendrel. Update. Control", L". ", L".\r\n", false, &count),
              L"Sendrel.\r\nUpdate.\r\nControl");
    EXPECT_EQ(count, 2);
    EXPECT_EQ(Common::ReplaceAll(L"aa", L"a", L"aa", false, &count), L"aaaa"); // goes on after the text put in
    EXPECT_EQ(count, 2);
    EXPECT_EQ(Common::ReplaceAll(L"xAx", L"a", L"b", true, &count), L"xbx");
    EXPECT_EQ(Common::ReplaceAll(L"xAx", L"a", L"b", false, &count), L"xAx");
    EXPECT_EQ(count, 0);
    EXPECT_EQ(Common::ReplaceAll(L"abc", L"", L"x", false, &count), L"abc");
    EXPECT_EQ(count, 0);
}

} // namespace
