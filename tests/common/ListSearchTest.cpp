// Finding a value in a delimited text or a list of numbers, and joining part
// of a list.
#include "common/ListSearch.h"

#include <gtest/gtest.h>

namespace {

TEST(ListSearch, IndexOfInText)
{
    struct {
        const wchar_t* source;
        const wchar_t* value;
        const wchar_t* delimiter;
        int compare;
        int expected;
    } cases[] = {
        {L"a\r\nb", L"b", L"", 0, 1},         {L"a\r\n\r\nb", L"b", L"", 0, -1}, // the walk ends at an empty token
        {L"a\r\nb", L"B", L"", 0, -1},        {L"a\r\nb", L"B", L"", 1, 1},
        {L"287 530 83", L"83", L" ", 0, 2},   {L"287 530 83", L"8", L" ", 0, -1},
        {L"", L"", L" ", 0, -1},              {L"x", L"x", L"", 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Common::IndexOf(c.source, c.value, c.delimiter, c.compare), c.expected)
            << std::wstring(c.source).size() << " " << c.expected;
    }
}

TEST(ListSearch, IndexOfInNumbers)
{
    const std::vector<long> list{287, 530, 83};
    EXPECT_EQ(Common::IndexOf(list, 83), 2);
    EXPECT_EQ(Common::IndexOf(list, 84), -1);
    EXPECT_EQ(Common::IndexOf(std::vector<long>{}, 0), -1);
}

TEST(ListSearch, JoinRange)
{
    const std::vector<long> list{287, 530, 83};
    EXPECT_EQ(Common::JoinRange(list, L" "), L"287 530 83");
    EXPECT_EQ(Common::JoinRange(list, L" ", 1, 1), L"530 83");
    EXPECT_EQ(Common::JoinRange(list, L", ", 2), L"83");
    EXPECT_EQ(Common::JoinRange(list, L" ", 5), L"");
    EXPECT_EQ(Common::JoinRange(list, L" ", -3, 0), L"287 530 83");
    EXPECT_EQ(Common::JoinRange(list, L" ", 0, 100), L"287 530 83");
    EXPECT_EQ(Common::JoinRange({}, L" "), L"");
}

} // namespace
